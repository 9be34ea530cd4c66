// The functions the page calls. Text crosses as UTF-8; an answer is JSON, so that a report and
// the values beside it come back in one call, in the one shape answer.h gives every answer. An
// answer stays valid until the next call.
// Their names are English: emscripten renames a module's exports to shorten it and then loses
// the ones spelt in Cyrillic.

#include "calendar/input_check.h"
#include "calendar/month_and_weekday_names.h"
#include "calendar/report.h"
#include "calendar/values.h"
#include "knowledge/library.h"
#include "output/about_text.h"
#include "runtime/format.h"
#include "web/wasm/answer.h"
#include "web/wasm/json_text.h"
#include "web/wasm/refusal.h"

#include <emscripten/emscripten.h>

#include <string>

using namespace круголет;

namespace {

// The page always computes in the wide range.
constexpr Промежуток промежуток = Промежуток::широкий;

// "38 Айлета 7535 лета, Пятница, 14 часов 110 частей": every month's name takes "а" in the
// genitive.
std::string дата_по_круголету(const Значения_момента &значения) {
    return форматировать("% %а % лета, %, % % % %",
                         {std::int64_t{значения.число}, значения.месяц, значения.лето_от_сотворения,
                          значения.день_недели, значения.часы, значения.слово_часов, значения.части,
                          значения.слово_частей});
}

std::string ответ_на_поля(std::string_view день, std::string_view месяц, std::string_view год,
                          std::string_view час, std::string_view минута) {
    const auto момент = проверенный_момент(день, месяц, год, час, минута, промежуток);
    if (!момент) {
        const auto отказ = отказ_страницы(момент.причина(), промежуток);
        // A moment that exists and lies outside the range, as the device's clock may give; its
        // year alone may be refused, as past 2099.
        const bool есть = static_cast<bool>(момент_из_полей(день, месяц, год, час, минута));
        return json_ошибки(отказ.поле, текст_ошибки_ввода, отказ.сообщение,
                           есть ? ныне_вне_промежутка(промежуток) : "");
    }
    const auto значения = значения_момента(знания_страницы(), *момент, промежуток);
    if (!значения)
        return json_ошибки("moment", текст_ошибки_ввода, сцепленные({текст_нет_записи, "."}));
    return json_значения(форматировать(
        "{\"moment\":[%,%,%,%,%],\"old\":[%,%,%],\"old_date\":%,\"report\":%}",
        {момент->день, момент->месяц, момент->год, момент->час, момент->минута,
         значения->лето_от_сотворения, std::int64_t{номер_месяца(значения->месяц).value_or(0)},
         std::int64_t{значения->число}, json_строка(дата_по_круголету(*значения)),
         json_строка(отчет_значений(*значения, *момент))}));
}

// A field longer than any value is refused as an empty one is, with what the field takes, and
// is never read.
std::string_view поле(const char *текст) {
    return поле_в_пределах(текст) ? текст : "";
}

} // namespace

extern "C" {

// The most characters a text the page hands the core may have (наибольшая_длина_поля): the page
// cuts longer ones after one character more, so that they reach the core only to be refused.
EMSCRIPTEN_KEEPALIVE int field_limit() {
    return static_cast<int>(наибольшая_длина_поля);
}

// The library file's bytes, Windows-1251 as shipped; a negative length when the page could not
// fetch the file. Answers true, or the window program's title and text of the failed load.
EMSCRIPTEN_KEEPALIVE const char *load_library(const char *байты, int длина) {
    if (длина >= 0 && загрузить_библиотеку_из_текста({байты, static_cast<std::size_t>(длина)},
                                                     знания_страницы()) == Загрузка::выполнена)
        return ответить(json_значения("true"));
    return ответить(json_ошибки("", заголовок_ошибки_библиотеки, текст_ошибки_библиотеки));
}

// The five fields as typed, read and checked as the window reads them. Answers the moment, the
// old date as text and as numbers (year from the Creation, month 1 to 9, day), and the report;
// or the field at fault with the title and the message, and for a moment that exists outside
// the range what the page says when that moment is the present one.
EMSCRIPTEN_KEEPALIVE const char *convert_fields(const char *день, const char *месяц,
                                                const char *год, const char *час,
                                                const char *минута) {
    return ответить(ответ_на_поля(поле(день), поле(месяц), поле(год), поле(час), поле(минута)));
}

// The lines about the program and the description of the program and the calendar, as the About
// window shows them (but for its line naming the window program's range).
EMSCRIPTEN_KEEPALIVE const char *about_program() {
    std::string строки;
    for (const auto строка : строки_о_программе)
        строки += (строки.empty() ? "" : ",") + json_строка(строка);
    return ответить(json_значения("{\"lines\":[" + строки +
                                  "],\"text\":" + json_строка(текст_о_программе()) + "}"));
}

} // extern "C"
