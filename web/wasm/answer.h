#pragma once

#include "knowledge/tables.h"
#include "runtime/json_writer.h"

#include <string>
#include <string_view>

namespace круголет {

// The tables and texts every call reads: the built-in ones, then the library the page loads once
// at start.
Знания &знания_страницы();

// Keeps the text until the next call of any function the page calls and hands the page its
// address, as a NUL-terminated UTF-8 string.
const char *ответить(std::string текст);

// The JSON document that `записать` writes, as the answer.
template <class Писатель> const char *ответить_json(Писатель записать) {
    Буфер_текста буфер;
    Запись_json запись(буфер);
    записать(запись);
    return ответить(std::string(буфер.текст()));
}

// {"value": what `записать` writes}, the answer of a call that succeeded.
template <class Писатель> const char *ответить_значением(Писатель записать) {
    return ответить_json([&](Запись_json &запись) {
        запись.начать_объект();
        запись.ключ("value");
        записать(запись);
        запись.кончить_объект();
    });
}

// Every call answers one of two objects, so that the page reads them all alike:
// {"value": the JSON of what was asked} or {"error": {"field", "title", "message"}}, the field
// being the one the page marks ("" for none). A moment refused only for lying outside the range
// also carries what the page says in its place when it is the present one, under "present".
std::string json_значения(std::string_view json);
std::string json_ошибки(std::string_view поле, std::string_view заголовок,
                        std::string_view сообщение, std::string_view ныне = {});

} // namespace круголет
