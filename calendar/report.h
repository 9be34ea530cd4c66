#pragma once

#include "calendar/values.h"
#include "runtime/template_pieces.h"

#include <concepts>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace круголет {

// The report's templates, in the order the report shows them.
struct Шаблоны_отчета {
    Шаблон<5> дата;
    Шаблон<0> заголовок;
    // Only in the wide range.
    Шаблон<2> сотворение;
    Шаблон<3> лето;
    Шаблон<5> день;
    // The hour line closes the day's lines.
    Шаблон<4> время;
    Шаблон<2> характеристика_дня;
    Шаблон<1> характеристика_лета;
    // The god's text is written as the tables hold it, in one or two rows, one after the other.
    Шаблон<3> покровитель;
};

inline constexpr Шаблоны_отчета шаблоны_отчета{
    .дата{"Дата и время по Григорианскому Календарю:  %час.%мин.   %.%.%г.\n\n"},
    .заголовок{"Дата и время по Да'Арийскому Круголету:\n\n"},
    .сотворение{"Лето от Сотворения Мира в Звездном Храме: %, Круг Жизни: % \n"},
    .лето{"Лето в Круге Жизни: % \nЛето в Круге Лет: % \n%"},
    .день{"Месяц: % - %\nЧисло месяца: %\nПраздник: %\nДень недели: %\n"},
    .время{"Время: % % : % %\n \n\n"},
    .характеристика_дня{"     Характеристика дня:\n% \n% \n\n"},
    .характеристика_лета{"     Характеристика Лета:\n% \n\n"},
    .покровитель{"     Описание Бога-Покровителя данного Чертога Сварожьего Круга:\n%% \n%\n\n"},
};

// The report composed from the values, handed to `приемник` piece by piece in order: the texts of
// its templates (as Кусок_шаблона) and the values in their gaps, texts as views into the
// templates and the tables, numbers as integers, each with where the report stands so far
// (раздать_шаблон). Wherever the report goes (the window's report field, standard output, a JSON
// string), the receiver copies each piece there once, and no string of the whole report is made
// on the way. Another set of templates of the same shape (the same texts escaped for JSON, say)
// may stand in for the report's own.
template <class Место, class Приемник>
Место раздать_отчет(const Значения_момента &значения, const Момент &момент, Место место,
                    Приемник &&приемник, const Шаблоны_отчета &шаблоны = шаблоны_отчета) {
    место = раздать_шаблон(шаблоны.дата, место, приемник, момент.час, момент.минута, момент.день,
                           момент.месяц, момент.год);
    место = раздать_шаблон(шаблоны.заголовок, место, приемник);
    if (значения.промежуток == Промежуток::широкий)
        место = раздать_шаблон(шаблоны.сотворение, место, приемник, значения.лето_от_сотворения,
                               значения.круг_жизни);
    место = раздать_шаблон(шаблоны.лето, место, приемник, значения.лето_в_круге_жизни,
                           значения.лето_в_круге_лет, значения.название_лета);
    место = раздать_шаблон(шаблоны.день, место, приемник, значения.месяц, значения.значение_месяца,
                           значения.число, значения.праздник, значения.день_недели);
    место = раздать_шаблон(шаблоны.время, место, приемник, значения.часы, значения.слово_часов,
                           значения.части, значения.слово_частей);
    место = раздать_шаблон(шаблоны.характеристика_дня, место, приемник, значения.день_четверти,
                           значения.четверть);
    место =
        раздать_шаблон(шаблоны.характеристика_лета, место, приемник, значения.характеристика_лета);
    return раздать_шаблон(шаблоны.покровитель, место, приемник, значения.бог,
                          значения.продолжение_бога, значения.описание_чертога);
}

// The most bytes the report of these values takes: the templates, the texts, and
// наибольшее_число_знаков for each of its twelve numbers at most.
std::size_t наибольший_размер_отчета(const Значения_момента &значения);

// Writes the report from `куда` on, into room of наибольший_размер_отчета(значения), and gives its
// end.
char *записанный_отчет(char *куда, const Значения_момента &значения, const Момент &момент);

// The report as a string, for a caller that keeps it.
std::string отчет_значений(const Значения_момента &значения, const Момент &момент);

// The report for a moment, or nothing.
std::optional<std::string> отчет_момента(const Знания &знания, const Момент &момент,
                                         Промежуток промежуток = Промежуток::круг_жизни);

} // namespace круголет
