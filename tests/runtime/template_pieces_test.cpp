#include "runtime/template_pieces.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace круголет {
namespace {

using namespace std::string_view_literals;

// The template written into room as its callers count it, then cut to what was written.
template <std::size_t Вставок, class... Значения>
std::string записанный(const Шаблон<Вставок> &шаблон, std::size_t размер_текстов, std::size_t чисел,
                       const Значения &...значения) {
    std::string текст(шаблон.размер() + размер_текстов + чисел * наибольшее_число_знаков, '#');
    const auto записать = [](char *куда, const auto &кусок) {
        return записанное_значение(куда, кусок);
    };
    текст.resize(static_cast<std::size_t>(
        раздать_шаблон(шаблон, текст.data(), записать, значения...) - текст.data()));
    return текст;
}

TEST(TemplatePieces, ValuesGoIntoTheGapsInOrder) {
    constexpr Шаблон<3> шаблон{"Лето: % \nЧисло: %, %.\n"};
    EXPECT_EQ(записанный(шаблон, "Дракона"sv.size(), 2, "Дракона"sv, -7,
                         std::numeric_limits<std::int64_t>::min()),
              "Лето: Дракона \nЧисло: -7, -9223372036854775808.\n");
}

TEST(TemplatePieces, PlaceholdersAtTheEdgesAndSideBySide) {
    constexpr Шаблон<3> шаблон{"%%s%"};
    EXPECT_EQ(записанный(шаблон, 4, 1, "а"sv, "б"sv, 0), "абs0")
        << "a letter after a placeholder is text";
}

TEST(TemplatePieces, SizeCountsTheTextWithoutPlaceholders) {
    EXPECT_EQ(Шаблон<2>("а%б%").размер(), "аб"sv.size());
    EXPECT_EQ(Шаблон<0>("").размер(), 0u);
}

} // namespace
} // namespace круголет
