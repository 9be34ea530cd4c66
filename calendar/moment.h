#pragma once

namespace круголет {

// A Gregorian moment as it is typed: day, month, year, hour, minute. The calendar compares the
// numbers as they are; no serial day number is ever made of them.
struct Момент {
    int день;
    int месяц;
    int год;
    int час;
    int минута;
    friend bool operator==(const Момент &, const Момент &) = default;
};

} // namespace круголет
