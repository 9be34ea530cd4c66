#include "web/wasm/answer.h"

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

} // namespace круголет
