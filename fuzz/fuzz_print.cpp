// Any report text printed on a printer with any figures, including figures that leave no room
// for a row, resolutions of zero or below, and any tab width. The input: the printer's
// resolutions across and down, the height and width of its printable area, and the tab width
// (four bytes each), the number of screen resolutions read in turn (1 to 3, from one byte) and
// the resolutions, a byte for cancelling (0: never; else after that many pages less one), then
// the text.

#include "fuzz/check.h"
#include "fuzz/input_bytes.h"
#include "print/page_figures.h"
#include "print/pages.h"
#include "print/print_text.h"
#include "print/recording_job.h"
#include "print/wrap.h"
#include "runtime/format.h"
#include "runtime/utf8.h"

#include <algorithm>
#include <string>

namespace круголет {
namespace {

// What survives any layout: every character but the blanks, tabs and line feeds, which the
// layout adds, turns into blanks, drops at a cut or ends a row with.
std::string без_пробелов(std::string_view текст) {
    std::string итог;
    std::ranges::copy_if(текст, std::back_inserter(итог),
                         [](char знак) { return знак != ' ' && знак != '\t' && знак != '\n'; });
    return итог;
}

// The rows of every page under its header, each checked against the page's figures.
std::string напечатанное(const Записывающий_принтер &принтер) {
    std::string строки;
    const auto &страницы = принтер.запись.страницы;
    for (std::size_t номер = 0; номер < страницы.size(); ++номер) {
        const auto &страница = страницы[номер];
        const auto &разрешения = принтер.разрешения_экрана;
        const int разрешение = разрешения[std::min(номер, разрешения.size() - 1)];
        const Разметка_страницы разметка = разметка_страницы(принтер.фигуры, разрешение);
        обязательно(страница.шрифт == семейство_шрифта &&
                        страница.размер_шрифта == разметка.размер_шрифта,
                    "every page has its font");
        обязательно(!страница.надписи.empty(), "every page has its header");
        const Надпись &колонтитул = страница.надписи.front();
        обязательно(колонтитул == Надпись{разметка.левое_поле, разметка.линия_колонтитула,
                                          форматировать(шаблон_колонтитула,
                                                        {название_круголета,
                                                         static_cast<std::int64_t>(номер + 1)})},
                    "the header names the calendar and the page's number");
        обязательно(static_cast<std::int64_t>(страница.надписи.size()) - 1 <=
                        разметка.рядов_на_странице,
                    "a page holds no more rows than it has");
        int y = разметка.линия_колонтитула;
        for (auto ряд = страница.надписи.begin() + 1; ряд != страница.надписи.end(); ++ряд) {
            обязательно(ряд->x == разметка.левое_поле, "every row starts at the left margin");
            обязательно(ряд->y >= y, "rows go down the page");
            обязательно(число_знаков(ряд->текст) <= ширина_ряда, "no row is wider than 80");
            y = ряд->y;
            строки += ряд->текст;
        }
    }
    return строки;
}

} // namespace
} // namespace круголет

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *данные, std::size_t размер) {
    using namespace круголет;
    Входные_байты вход(данные, размер);
    Записывающий_принтер принтер;
    принтер.фигуры.точек_на_дюйм_по_x = вход.целое();
    принтер.фигуры.точек_на_дюйм_по_y = вход.целое();
    принтер.фигуры.высота_области = вход.целое();
    принтер.фигуры.ширина_области = вход.целое();
    const int ширина_табуляции = вход.целое();
    принтер.разрешения_экрана.assign(вход.байт() % 3 + 1, 0);
    for (int &разрешение : принтер.разрешения_экрана)
        разрешение = вход.целое();
    if (const std::uint8_t отмена = вход.байт())
        принтер.отменить_после_страниц = отмена - 1;
    const std::string_view текст = вход.остаток();

    обязательно(напечатать_текст(принтер, текст, ширина_табуляции), "a connected printer prints");
    const Запись_печати &запись = принтер.запись;
    обязательно(запись.нарушения.empty(), "the job is driven as a printer expects");
    обязательно(запись.задания == std::vector<std::string>{std::string(заголовок_задания)} &&
                    запись.закончено_заданий == 1,
                "one job, under its title, started and ended");
    if (текст.empty())
        обязательно(запись.страницы.empty(), "an empty text prints no page");

    const std::string строки = без_пробелов(напечатанное(принтер));
    const std::string весь = без_пробелов(текст);
    if (принтер.отменить_после_страниц) {
        обязательно(запись.страницы.size() <= *принтер.отменить_после_страниц,
                    "no page starts after the job is cancelled");
        обязательно(весь.starts_with(строки), "the pages printed before cancelling hold the text");
    } else {
        обязательно(строки == весь, "the pages hold the whole text, in order");
    }
    return 0;
}
