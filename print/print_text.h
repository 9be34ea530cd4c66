#pragma once

#include "print/print_job.h"

#include <string_view>

namespace круголет {

inline constexpr std::string_view заголовок_задания = "Печать текста...";

// The error box the caller shows when напечатать_текст fails.
inline constexpr std::string_view заголовок_ошибки_печати = "Ошибка печати";
inline constexpr std::string_view текст_ошибки_печати = "Не могу инициализировать принтер";

// Prints the report on the printer, wrapped at 80 characters, in pages with a header line.
// False when no print job could be started or the printer did not take the finished one; then
// nothing is printed. A job the user cancelled is no failure.
bool напечатать_текст(Принтер &принтер, std::string_view текст, int ширина_табуляции);

} // namespace круголет
