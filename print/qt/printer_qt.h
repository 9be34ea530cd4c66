#pragma once

#include "print/print_job.h"

#include <QPdfWriter>
#include <QString>

#include <functional>
#include <memory>
#include <string_view>

namespace круголет {

// The print job on Qt for the default CUPS printer, without a printer dialog. The pages are drawn
// into a PDF file with the printer's resolution and paper, which goes to the printer only when
// the job ends uncancelled: a job of Qt's own cannot be called back once started. The printer is
// looked up and the file handed over on a connection of our own, with a time limit and off the
// window's thread: Qt would ask CUPS on the window's thread, for minutes when the server is stuck.
class Принтер_qt final : public Принтер {
  public:
    std::unique_ptr<Задание_печати> начать(std::string_view заголовок) override;
};

// Hands a finished job's PDF file on; whether it was taken.
using Сдача_задания = std::function<bool(const QString &файл)>;

// A job under this title, drawn into the PDF file that `лист` writes, with its progress window;
// nullptr when it cannot be started. Once the job has ended uncancelled `сдать` (when given)
// hands the file on; a cancelled, dropped or refused job leaves no file.
std::unique_ptr<Задание_печати> начать_задание(std::unique_ptr<QPdfWriter> лист,
                                               const QString &файл, std::string_view заголовок,
                                               const QString &имя_принтера,
                                               Сдача_задания сдать = {});

} // namespace круголет
