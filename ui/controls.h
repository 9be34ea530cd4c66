#pragma once

// The ids of the main window's controls and of the program's resources.

#include "resources/resource_ids.h"

namespace круголет {

inline constexpr int надпись_даты = 10007;
inline constexpr int поле_дня = 10008;
inline constexpr int поле_года = 10009;
inline constexpr int надпись_времени = 10010;
inline constexpr int поле_часа = 10011;
inline constexpr int поле_минуты = 10012;
inline constexpr int поле_месяца = 10013;
inline constexpr int кнопка_расчета = 10014;
inline constexpr int кнопка_печати = 10015;
inline constexpr int кнопка_справки = 10016;
inline constexpr int черта_после_дня = 10017;
inline constexpr int черта_после_месяца = 10018;
inline constexpr int двоеточие = 10019;
inline constexpr int шапка = 10020;
inline constexpr int поле_отчета = 10021;

inline constexpr int значок_программы = IDI_KRUGOLET;
inline constexpr int картинка_звезды = IDB_STAR;
inline constexpr int картинка_орла = IDB_EAGLE;
inline constexpr int шаблон_о_программе = IDD_ABOUT;

} // namespace круголет
