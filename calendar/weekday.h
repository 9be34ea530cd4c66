#pragma once

#include "knowledge/tables.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace круголет {

std::optional<std::string_view> день_недели_числа(const Знания &знания,
                                                  std::int32_t лето_в_круге_жизни,
                                                  int лето_в_круге_лет, std::string_view месяц,
                                                  int число);
// The same for the month at the place 1 to 9 of the year.
std::optional<std::string_view> день_недели_числа(const Знания &знания,
                                                  std::int32_t лето_в_круге_жизни,
                                                  int лето_в_круге_лет, int номер, int число);

// The weekday on which a month begins, from the weekday of 1 Рамхат.
std::optional<std::string_view>
день_начала_месяца(int лето_в_круге_лет, std::string_view день_рамхата, std::string_view месяц);
std::optional<std::string_view> день_начала_месяца(int лето_в_круге_лет,
                                                   std::string_view день_рамхата, int номер);

// The weekday of the day `номер_дня` of a month whose first day falls on the given weekday.
std::optional<std::string_view> день_недели_от_первого(const Знания &знания, int номер_дня,
                                                       std::string_view первый_день);

} // namespace круголет
