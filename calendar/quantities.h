#pragma once

namespace круголет {

// The quantities of the old calendar that its rules count with, each named once.

// The old day begins in the evening, at this hour of the Gregorian clock, and so do its months
// and years.
inline constexpr int час_начала_дня = 19;

// The old day has 16 hours, each of 144 parts.
inline constexpr int часов_в_сутках = 16;
inline constexpr int частей_в_часе = 144;

// The Circle of Years has 16 years, the last of them sacred; nine such circles make the Circle of
// Life of 144 years.
inline constexpr int лет_в_круге_лет = 16;
inline constexpr int лет_в_круге_жизни = 144;

// The odd months have 41 days and the even ones 40, except in the sacred year, when all have 41.
inline constexpr int дней_в_долгом_месяце = 41;
inline constexpr int дней_в_коротком_месяце = 40;

// The count of years the rules use (Лето::номер): year 1 begins in the autumn of this Gregorian
// year and is the first of the 53rd Circle of Life; year N is the year 7376 + N from the Creation
// of the World in the Star Temple.
inline constexpr int год_начала_счета = 1868;
inline constexpr int круг_жизни_первого_лета = 53;
inline constexpr int лет_от_сотворения_до_счета = 7376;

} // namespace круголет
