#pragma once

#include <QApplication>

#include <memory>

namespace круголет {

// The Qt application on the session's display, or nothing, after a Russian message on standard
// error, when there is no display to open: none is named, or the one named does not answer.
// Qt's own messages meanwhile (English, about its plug-ins) do not reach the user, and its
// failure ends nothing by an abort. `argc` must outlive the application.
std::unique_ptr<QApplication> приложение_на_дисплее(int &argc, char **argv);

} // namespace круголет
