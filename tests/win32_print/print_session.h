#pragma once

// What the printing tests share: the program brought to a report, and the printer that this
// process sees.

#include "print/win32/printer_win32.h"
#include "tests/win32/program_under_test.h"

#include <windows.h>

#include <optional>
#include <string>

namespace круголет {

// The title of the print job and of the window that shows its progress.
inline constexpr const wchar_t *заголовок_печати = L"Печать текста...";

// Types 14.07.1990 21:30 into the fields, converts with Enter and gives the report field's text
// once the report has arrived; empty when it did not.
std::wstring показать_отчет(const Программа_под_тестом &программа);

// The field's text as the program hands it to printing: UTF-8, lines broken with "\n".
std::string как_напечатает(const std::wstring &текст_поля);

} // namespace круголет
