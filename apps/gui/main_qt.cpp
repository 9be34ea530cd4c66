#include "platform/qt/platform_qt.h"
#include "print/qt/printer_qt.h"
#include "ui/start.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication программа(argc, argv);
    круголет::Принтер_qt принтер;
    круголет::Платформа_qt платформа(принтер);
    return круголет::запустить_круголет(платформа);
}
