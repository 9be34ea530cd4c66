#include "apps/gui/command_line.h"
#include "knowledge/library_place.h"
#include "krugolet_version.h"
#include "platform/qt/platform_qt.h"
#include "print/qt/printer_qt.h"
#include "ui/start.h"

#include <QApplication>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char *argv[]) {
    using namespace круголет;
    const Командная_строка запрос =
        разобрать_командную_строку(std::vector<std::string>(argv + 1, argv + argc));
    if (запрос.версия) {
        std::cout << "krugolet " KRUGOLET_VERSION "\n" << std::flush;
        return std::cout ? 0 : 1;
    }
    QApplication программа(argc, argv);
    Принтер_qt принтер;
    Платформа_qt платформа(принтер);
    return запустить_круголет(
        платформа, {запрос.широкий_промежуток ? Промежуток::широкий : Промежуток::круг_жизни,
                    найти_библиотеку()});
}
