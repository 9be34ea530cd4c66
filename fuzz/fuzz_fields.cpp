// Any text in the five input fields, read and checked as "Расчет" does before a conversion.
// The input holds the texts of the day, month, year, hour and minute fields in this order, each
// ended by a line feed (the minute field takes the rest). A refused text gives no moment (the
// window then shows its error box); an accepted one gives a moment that the computation, with the
// shipped library, turns into a report.

#include "calendar/input_check.h"
#include "calendar/report.h"
#include "calendar/year.h"
#include "fuzz/check.h"
#include "fuzz/input_bytes.h"
#include "fuzz/shipped_library.h"
#include "runtime/integer_text.h"

#include <array>
#include <string>

namespace круголет {
namespace {

// A value that a field reads is read the same from its plain decimal digits and with blanks
// around the field's text.
void проверить_чтение(std::string_view поле) {
    const auto число = прочитать_целое(поле);
    std::string в_пробелах(1, ' ');
    в_пробелах += поле;
    в_пробелах += ' ';
    обязательно(прочитать_целое(в_пробелах) == число,
                "blanks around a field do not change what it reads");
    if (число)
        обязательно(прочитать_целое(std::to_string(*число)) == число,
                    "a value read from a field reads back from its decimal digits");
}

} // namespace
} // namespace круголет

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *данные, std::size_t размер) {
    using namespace круголет;
    Входные_байты вход(данные, размер);
    std::array<std::string_view, 5> поля;
    for (std::size_t i = 0; i + 1 < поля.size(); ++i)
        поля[i] = вход.до('\n');
    поля.back() = вход.остаток();

    for (const auto поле : поля)
        проверить_чтение(поле);

    const auto м = проверенный_момент(поля[0], поля[1], поля[2], поля[3], поля[4]);
    if (!м)
        return 0;
    обязательно(прочитать_целое(поля[0]) == м->день && прочитать_целое(поля[1]) == м->месяц &&
                    прочитать_целое(поля[2]) == м->год && прочитать_целое(поля[3]) == м->час &&
                    прочитать_целое(поля[4]) == м->минута,
                "an accepted moment is what the fields read");
    const auto длина = длительность_месяца(м->месяц, м->год);
    обязательно(длина && м->день >= 1 && м->день <= *длина, "an accepted day lies in its month");
    обязательно(м->год >= 1868 && м->год <= 2012 && м->час >= 0 && м->час <= 23 && м->минута >= 0 &&
                    м->минута <= 59,
                "an accepted year, hour and minute lie in their ranges");
    обязательно(в_промежутке(*м), "an accepted moment lies in the covered span");
    обязательно(отчет_момента(знания_из_файла(), {м->день, м->месяц, м->год, м->час, м->минута})
                    .has_value(),
                "an accepted moment gives a report");
    return 0;
}
