#include "web/wasm/json_text.h"

#include "runtime/json_string.h"

namespace круголет {

std::string json_строка(std::string_view текст) {
    Буфер_текста буфер;
    дописать_строку_json(буфер, текст);
    return std::string(буфер.текст());
}

} // namespace круголет
