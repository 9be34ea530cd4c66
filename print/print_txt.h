#pragma once

#include "print/print_job.h"

#include <string_view>

namespace круголет {

// The error box the caller shows when print_txt fails.
inline constexpr std::string_view заголовок_ошибки_печати = "Ошибка печати";
inline constexpr std::string_view текст_ошибки_печати = "Не могу инициализировать принтер";

// Prints the report on the printer, wrapped at 80 characters, in pages with a header line.
// False when no print job could be started or the printer did not take the finished one; then
// nothing is printed. A job the user cancelled is no failure.
bool print_txt(Принтер &принтер, std::string_view текст, int ширина_табуляции);

} // namespace круголет
