#pragma once

#include "knowledge/tables.h"
#include "runtime/json_writer.h"

#include <string>

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

} // namespace круголет
