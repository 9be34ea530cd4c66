#include "apps/gui/command_line.h"
#include "apps/gui/qt_application.h"
#include "knowledge/library_place.h"
#include "krugolet_version.h"
#include "platform/qt/platform_qt.h"
#include "print/qt/printer_qt.h"
#include "ui/start.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char *argv[]) {
    using namespace круголет;
    const Командная_строка запрос =
        командная_строка_из_аргументов(std::vector<std::string>(argv + 1, argv + argc));
    if (запрос.ошибка) {
        std::cerr << *запрос.ошибка << '\n' << синтаксис_окна << краткая_справка_окна;
        return 2;
    }
    if (запрос.справка || запрос.версия) {
        if (запрос.справка)
            std::cout << синтаксис_окна << справка_окна();
        else
            std::cout << "krugolet " KRUGOLET_VERSION "\n";
        return std::cout.flush() ? 0 : 1;
    }
    const auto приложение = приложение_на_дисплее(argc, argv);
    if (!приложение)
        return 1;
    Принтер_qt принтер;
    Платформа_qt платформа;
    return запустить_круголет(
        платформа,
        {принтер, запрос.широкий_промежуток ? Промежуток::широкий : Промежуток::круг_жизни,
         найти_библиотеку()});
}
