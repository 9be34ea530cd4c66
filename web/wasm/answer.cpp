#include "web/wasm/answer.h"

#include "web/wasm/json_text.h"

namespace круголет {

Знания &знания_страницы() {
    static Знания знания = встроенные_знания();
    return знания;
}

const char *ответить(std::string текст) {
    static std::string ответ;
    ответ = std::move(текст);
    return ответ.c_str();
}

std::string json_значения(std::string_view json) {
    return "{\"value\":" + std::string(json) + "}";
}

std::string json_ошибки(std::string_view поле, std::string_view заголовок,
                        std::string_view сообщение, std::string_view ныне) {
    return "{\"error\":{\"field\":" + json_строка(поле) + ",\"title\":" + json_строка(заголовок) +
           ",\"message\":" + json_строка(сообщение) +
           (ныне.empty() ? "" : ",\"present\":" + json_строка(ныне)) + "}}";
}

} // namespace круголет
