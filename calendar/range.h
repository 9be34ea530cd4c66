#pragma once

#include "calendar/moment.h"
#include "calendar/quantities.h"

namespace круголет {

// The moments the computation accepts. The tables cover the 53rd Circle of Life; the same rules
// carry on, year for year, over every old year whose February has its 29th day exactly in the
// years divisible by 4, the whole old years between 1 March 1800 and 28 February 2100.
enum class Промежуток {
    круг_жизни, // 22.09.1868 19:00 up to, not including, 22.09.2012 19:00
    широкий,    // 19.09.1800 19:00 up to, not including, 21.09.2099 19:00
};

// The first moment of the range and the first after it; both fall at 19:00.
struct Границы {
    Момент начало;
    Момент конец;
};

constexpr Границы границы(Промежуток промежуток) {
    if (промежуток == Промежуток::широкий)
        return {{19, 9, 1800, час_начала_дня, 0}, {21, 9, 2099, час_начала_дня, 0}};
    return {{22, 9, год_начала_счета, час_начала_дня, 0},
            {22, 9, год_начала_счета + лет_в_круге_жизни, час_начала_дня, 0}};
}

// Whether the moment lies in the range. The fields are compared as they are, unchecked.
bool в_промежутке(const Момент &момент, Промежуток промежуток = Промежуток::круг_жизни);

} // namespace круголет
