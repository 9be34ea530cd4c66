#pragma once

#include "knowledge/tables.h"

#include <string>

namespace круголет {

// The tables and texts every call reads: the built-in ones, then the library the page loads once
// at start.
Знания &знания_страницы();

// Keeps the text until the next call of any function the page calls and hands the page its
// address, as a NUL-terminated UTF-8 string.
const char *ответить(std::string текст);

} // namespace круголет
