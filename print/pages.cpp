#include "print/layout.h"
#include "runtime/format.h"
#include "runtime/utf8.h"

#include <algorithm>
#include <limits>

namespace круголет {

namespace {

// Baselines far off the paper are drawn at the edge of what the job can address.
int на_бумаге(std::int64_t y) {
    return static_cast<int>(std::clamp<std::int64_t>(y, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

bool короче_ряда(std::string_view кусок) {
    return смещение_знака(кусок, ширина_ряда - 1) == кусок.size();
}

} // namespace

void print_pages(Задание_печати &задание, std::string_view заголовок, std::int64_t номер_страницы,
                 Фигуры_принтера принтер, int ширина_табуляции, Текст текст) {
    while (!текст.пуст() && !задание.отменено()) {
        текст = print_page(задание, заголовок, номер_страницы, принтер, std::move(текст),
                           ширина_табуляции);
        ++номер_страницы;
    }
}

Текст print_page(Задание_печати &задание, std::string_view заголовок, std::int64_t номер_страницы,
                 Фигуры_принтера принтер, Текст текст, int ширина_табуляции) {
    const Разметка_страницы страница = разметка_страницы(принтер, задание.разрешение_экрана());
    задание.выбрать_шрифт(семейство_шрифта, страница.размер_шрифта);
    задание.начать_страницу();
    задание.нарисовать(страница.X, страница.Yh,
                       форматировать(шаблон_колонтитула, {заголовок, номер_страницы}));
    текст = print_pagelines(задание, страница.X, страница.Y0, страница.шаг, 0, страница.R,
                            std::move(текст), ширина_табуляции);
    задание.закончить_страницу();
    return текст;
}

Текст print_pagelines(Задание_печати &задание, int x, std::int64_t y, std::int64_t шаг,
                      std::int64_t рядов, std::int64_t R, Текст текст, int ширина_табуляции) {
    while (!текст.пуст() && рядов < R) {
        текст = следующая_строка(std::move(текст), ширина_табуляции);
        const Итог_строки итог = print_line(задание, x, y, шаг, текст.хвост(), рядов, R);
        рядов += итог.рядов;
        y += итог.рядов * шаг;
        текст = myconcat(std::move(текст), итог.остаток);
    }
    return текст;
}

Итог_строки print_line(Задание_печати &задание, int x, std::int64_t y, std::int64_t шаг,
                       std::string_view строка, std::int64_t рядов, std::int64_t R) {
    std::int64_t занято = 0;
    std::string_view кусок = строка;
    while (!кусок.empty()) {
        if (рядов >= R)
            return {занято, кусок};
        if (короче_ряда(кусок)) {
            задание.нарисовать(x, на_бумаге(y), кусок);
            break;
        }
        const auto [ряд, остаток] = отрезать_строку(кусок);
        задание.нарисовать(x, на_бумаге(y), ряд);
        ++занято;
        ++рядов;
        y += шаг;
        кусок = остаток;
    }
    // The last, short piece or the empty line; also counted when a cut left nothing over.
    return {занято + 1, {}};
}

Текст следующая_строка(Текст текст, int ширина_табуляции) {
    // A tail left from the last page had its tabs expanded when its line was first read.
    if (!текст.хвост().empty())
        return текст;
    const auto [строка, после] = get_line(текст.после, '\n');
    return {expand_tabs(ширина_табуляции, строка), 0, после};
}

Текст myconcat(Текст текст, std::string_view остаток) {
    текст.начало = текст.строка.size() - остаток.size();
    return текст;
}

} // namespace круголет
