#include "print_run.h"
#include "runtime/utf8.h"

#include <cstdint>
#include <sstream>

namespace круголет {
namespace {

// A small fixed pseudo-random sequence, so that every run sees the same texts.
class Случай {
  public:
    explicit Случай(std::uint32_t начало) : x_(начало) {}
    std::uint32_t до(std::uint32_t предел) {
        x_ = x_ * 1664525u + 1013904223u;
        return (x_ >> 8) % предел;
    }

  private:
    std::uint32_t x_;
};

std::vector<std::string> все_ряды(const Запись_печати &запись) {
    std::vector<std::string> итог;
    for (const Записанная_страница &страница : запись.страницы)
        for (std::string &строка : тексты(ряды(страница)))
            итог.push_back(std::move(строка));
    return итог;
}

std::vector<std::string> слова(const std::vector<std::string> &строки) {
    std::vector<std::string> итог;
    for (const std::string &строка : строки) {
        std::istringstream поток(строка);
        for (std::string слово; поток >> слово;)
            итог.push_back(слово);
    }
    return итог;
}

TEST(LongReport, EveryLineOfAMultiPageReportIsPrintedOnceInOrder) {
    std::vector<std::string> строки;
    std::string текст;
    for (int i = 1; i <= 300; ++i) {
        строки.push_back("Лето " + std::to_string(i) + " Круга Жизни");
        текст += строки.back() + "\n";
    }
    Записывающий_принтер принтер;
    const Запись_печати &запись = напечатать(принтер, текст);
    EXPECT_EQ(запись.страницы.size(), 5u);
    EXPECT_EQ(все_ряды(запись), строки);
}

TEST(LongReport, WrappedLinesCutAtPageFeetLoseAndRepeatNoWord) {
    Случай случай(2012);
    std::vector<std::string> строки;
    std::string текст;
    int номер = 0;
    for (int i = 0; i < 400; ++i) {
        std::string строка;
        for (std::uint32_t n = случай.до(30); n > 0; --n)
            строка += (случай.до(2) ? "слово" : "w") + std::to_string(++номер) +
                      (случай.до(8) ? " " : "\t");
        if (случай.до(10) == 0)
            строка += повтор("ж", 85 + случай.до(100)) + " " + std::to_string(++номер);
        строки.push_back(строка);
        текст += строка + "\n";
    }
    Записывающий_принтер принтер;
    принтер.фигуры = {96, 96, 171, 0}; // three rows a page
    const Запись_печати &запись = напечатать(принтер, текст);

    const std::vector<std::string> напечатано = все_ряды(запись);
    for (const std::string &ряд : напечатано)
        EXPECT_LE(число_знаков(ряд), 80u) << ряд;
    // A hard cut splits a word, so compare the text with the blanks taken out.
    std::string было, стало;
    for (const std::string &слово : слова(строки))
        было += слово;
    for (const std::string &слово : слова(напечатано))
        стало += слово;
    EXPECT_EQ(стало, было);
    for (const Записанная_страница &страница : запись.страницы)
        for (const Надпись &ряд : ряды(страница))
            EXPECT_TRUE(ряд.y == 78 || ряд.y == 93 || ряд.y == 108) << ряд.y;
}

TEST(LongReport, AnyBytesOnAnyPrinterPrintAndEnd) {
    Случай случай(7);
    const int размеры[] = {0, 1, 96, 600, 6800, -600, 2'000'000'000, -2'000'000'000};
    for (int проба = 0; проба < 200; ++проба) {
        std::string текст;
        for (std::uint32_t n = случай.до(600); n > 0; --n) {
            const char часто[] = {' ', '\t', '\n', 'a', '\xD0', '\xB6', '\x80', '\xFF'};
            текст += случай.до(2) ? часто[случай.до(8)] : static_cast<char>(случай.до(256));
        }
        const auto размер = [&] { return размеры[случай.до(8)]; };
        Записывающий_принтер принтер;
        принтер.фигуры = {размер(), размер(), размер(), размер()};
        принтер.разрешения_экрана = {размер(), размер()};
        const Запись_печати &запись =
            напечатать(принтер, текст, static_cast<int>(случай.до(20)) - 5);
        EXPECT_LE(запись.страницы.size(), текст.size());
        for (const std::string &ряд : все_ряды(запись))
            EXPECT_LE(число_знаков(ряд), 80u);
    }
}

} // namespace
} // namespace круголет
