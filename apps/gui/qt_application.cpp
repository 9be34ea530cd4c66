#include "apps/gui/qt_application.h"

#include <cstdlib>
#include <iostream>
#include <string>

namespace круголет {

namespace {

constexpr std::string_view без_окна = "Расчет без окна: krugolet-cli\n";

bool задана(const char *переменная) {
    const char *значение = std::getenv(переменная);
    return значение != nullptr && *значение != '\0';
}

// The variables that tell Qt where to open the window, as they are set.
std::string где_искали() {
    std::string итог;
    for (const char *переменная : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (задана(переменная))
            итог += (итог.empty() ? "" : ", ") + std::string(переменная) + "=" +
                    std::getenv(переменная);
    return итог;
}

// Qt ends the process after a fatal message, which is the one it gives when no display opens.
void при_открытии_дисплея(QtMsgType вид, const QMessageLogContext &, const QString &) {
    if (вид != QtFatalMsg)
        return;
    const std::string где = где_искали();
    std::cerr << "Не удалось открыть дисплей, окну программы негде открыться"
              << (где.empty() ? "" : " (" + где + ")") << ".\n"
              << без_окна << std::flush;
    std::_Exit(1);
}

} // namespace

std::unique_ptr<QApplication> приложение_на_дисплее(int &argc, char **argv) {
    if (!задана("DISPLAY") && !задана("WAYLAND_DISPLAY") && !задана("QT_QPA_PLATFORM")) {
        std::cerr << "Нет дисплея, окну программы негде открыться (переменные DISPLAY и "
                     "WAYLAND_DISPLAY не заданы).\n"
                  << без_окна;
        return nullptr;
    }
    const QtMessageHandler прежний = qInstallMessageHandler(при_открытии_дисплея);
    auto приложение = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(прежний);
    return приложение;
}

} // namespace круголет
