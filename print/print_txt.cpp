#include "print/print_txt.h"
#include "print/layout.h"

namespace круголет {

bool print_txt(Принтер &принтер, std::string_view текст, int ширина_табуляции) {
    const auto задание = принтер.начать(заголовок_задания);
    if (!задание)
        return false;
    print_pages(*задание, название_круголета, 1, задание->фигуры_принтера(), ширина_табуляции,
                весь_текст(текст));
    return задание->закончить();
}

} // namespace круголет
