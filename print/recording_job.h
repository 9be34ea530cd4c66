#pragma once

// A printer whose jobs draw nothing and record what they are asked to do, and which notes the
// calls a real printer would refuse (drawing outside a page, a page inside a page, ...).

#include "print/print_job.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace круголет {

struct Надпись {
    int x;
    int y;
    std::string текст;
    friend bool operator==(const Надпись &, const Надпись &) = default;
};

struct Записанная_страница {
    std::string шрифт; // the font selected when the page started
    int размер_шрифта = 0;
    std::vector<Надпись> надписи; // in drawing order
};

struct Запись_печати {
    std::vector<std::string> задания; // titles of the jobs started
    std::vector<Записанная_страница> страницы;
    int закончено_заданий = 0;
    std::vector<std::string> нарушения;
};

class Записывающий_принтер : public Принтер {
  public:
    Фигуры_принтера фигуры{600, 600, 6800, 4800};
    // The screen's resolution read at each page in turn; the last one stays.
    std::vector<int> разрешения_экрана{96};
    bool подключен = true;
    // The user cancels the job once this many pages have ended.
    std::optional<std::size_t> отменить_после_страниц;

    Запись_печати запись;

    std::unique_ptr<Задание_печати> начать(std::string_view заголовок) override;
};

} // namespace круголет
