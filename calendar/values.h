#pragma once

#include "calendar/moment.h"
#include "calendar/range.h"
#include "knowledge/tables.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace круголет {

// Every value a conversion computes, in the order the report shows them.
struct Значения_момента {
    // The range the moment was taken in; the wide one adds the line of the Creation to the report.
    Промежуток промежуток;
    std::int64_t круг_жизни;
    std::int64_t лето_от_сотворения;
    std::int32_t лето_в_круге_жизни;
    std::int32_t лето_в_круге_лет;
    std::string_view название_лета;
    std::string_view месяц;
    std::string_view значение_месяца;
    int число;
    std::string_view день_недели;
    std::int64_t часы;
    std::string_view слово_часов;
    std::int64_t части;
    std::string_view слово_частей;
    std::string_view характеристика_лета;
    std::string_view четверть;
    std::string_view день_четверти;
    // The god's text: its first row, then the second row of the three gods written in two.
    std::string_view бог;
    std::string_view продолжение_бога;
    std::string_view чертог;
    std::string_view описание_чертога;
    std::string_view праздник;
};

// The step that yields nothing, and so leaves a moment without values: most want a row that the
// tables lack.
enum class Причина_пустоты {
    вне_промежутка,
    // A month outside 1 to 12, or a September whose new year the tables do not place.
    нет_лета,
    нет_названия_лета,
    нет_значения_месяца,
    нет_числа,
    нет_дня_недели,
    // Only a time that no clock shows, before the old day begins.
    нет_слова_часов,
    нет_характеристики_лета,
    нет_четверти,
    нет_дня_четверти,
    нет_покровителя,
};

// The values of a moment, or the reason it has none; read like an optional.
class Итог_значений {
  public:
    Итог_значений(Значения_момента значения) : итог_(std::move(значения)) {}
    Итог_значений(Причина_пустоты причина) : итог_(причина) {}

    explicit operator bool() const { return std::holds_alternative<Значения_момента>(итог_); }
    const Значения_момента &operator*() const { return *std::get_if<Значения_момента>(&итог_); }
    const Значения_момента *operator->() const { return std::get_if<Значения_момента>(&итог_); }
    // Only of a result without values.
    Причина_пустоты причина() const { return *std::get_if<Причина_пустоты>(&итог_); }

  private:
    std::variant<Значения_момента, Причина_пустоты> итог_;
};

// What the programs say of a moment inside the range when a step lacks its row; the page ends it
// with a full stop, as all its messages.
inline constexpr std::string_view текст_нет_записи =
    "Нет отчета: в библиотеке нет записи, нужной для этого момента";

// All values for a moment, or the first step that yields nothing. A moment outside the range that
// has no values has none because of the range: the wide range refuses it before any step, the
// covered span leaves it without a row in the year tables.
Итог_значений значения_момента(const Знания &знания, const Момент &момент,
                               Промежуток промежуток = Промежуток::круг_жизни);

} // namespace круголет
