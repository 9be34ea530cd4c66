#pragma once

#include <string_view>

// The calendar's own words as named constants, so that a table row with a misspelt name fails
// to compile instead of silently matching nothing.
namespace круголет {

namespace имя_месяца {
inline constexpr std::string_view рамхат = "Рамхат", айлет = "Айлет", бейлет = "Бейлет",
                                  гэйлет = "Гэйлет", дайлет = "Дайлет", элет = "Элет",
                                  вэйлет = "Вэйлет", хейлет = "Хейлет", тайлет = "Тайлет";
} // namespace имя_месяца

namespace имя_дня {
inline constexpr std::string_view понедельник = "Понедельник", вторник = "Вторник",
                                  тритейник = "Тритейник", четверг = "Четверг", пятница = "Пятница",
                                  шестица = "Шестица", седмица = "Седмица", осьмица = "Осьмица",
                                  неделя = "Неделя";
} // namespace имя_дня

// The halls' keys; three gods have a second row of text under the key with "1".
namespace имя_чертога {
inline constexpr std::string_view рамхат = "Рамхат", рожана = "Рожана", макошь = "Макошь",
                                  семаргл = "Семаргл", варуна = "Варуна", сварог = "Сварог",
                                  род = "Род", велес = "Велес", марена = "Марена",
                                  крышень = "Крышень", лада = "Лада", вышень = "Вышень",
                                  купала = "Купала", перун = "Перун", даждьбог = "Даждьбог",
                                  джива = "Джива", купала1 = "Купала1", перун1 = "Перун1",
                                  даждьбог1 = "Даждьбог1";
} // namespace имя_чертога

} // namespace круголет
