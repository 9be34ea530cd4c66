#include "calendar/range.h"

#include <tuple>

namespace круголет {

namespace {

// Where a moment stands against the bounds, which all fall at 19:00: the day, and whether the
// hour is before or after that evening.
std::tuple<int, int, int, bool> место(const Момент &момент) {
    return {момент.год, момент.месяц, момент.день, момент.час >= час_начала_дня};
}

} // namespace

bool в_промежутке(const Момент &момент, Промежуток промежуток) {
    const auto [начало, конец] = границы(промежуток);
    return место(начало) <= место(момент) && место(момент) < место(конец);
}

} // namespace круголет
