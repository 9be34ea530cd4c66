#pragma once

#include "knowledge/tables.h"

#include <string>
#include <string_view>

namespace круголет {

// The tables and texts every call reads: the built-in ones, then the library the page loads once
// at start.
Знания &знания_страницы();

// Keeps the text until the next call of any function the page calls and hands the page its
// address, as a NUL-terminated UTF-8 string.
const char *ответить(std::string текст);

// Every call answers one of two objects, so that the page reads them all alike:
// {"value": the JSON of what was asked} or {"error": {"field", "title", "message"}}, the field
// being the one the page marks ("" for none). A moment refused only for lying outside the range
// also carries what the page says in its place when it is the present one, under "present".
std::string значение_json(std::string_view json);
std::string ошибка_json(std::string_view поле, std::string_view заголовок,
                        std::string_view сообщение, std::string_view ныне = {});

} // namespace круголет
