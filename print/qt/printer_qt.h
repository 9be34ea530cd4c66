#pragma once

#include "print/print_job.h"

#include <QPrinter>

#include <functional>
#include <memory>
#include <string_view>

namespace круголет {

// The print job on Qt for the system's default CUPS printer, without a printer dialog. The pages
// are drawn into a PDF file with the printer's resolution and page, which goes to the printer
// only when the job ends uncancelled: Qt's own CUPS job cannot be called back once started.
class Принтер_qt final : public Принтер {
  public:
    std::unique_ptr<Задание_печати> начать(std::string_view заголовок) override;
};

// Hands a finished job's PDF file on; whether it was taken.
using Сдача_задания = std::function<bool(const QString &файл)>;

// A job under this title, drawn by the printer given into its PDF output file, with its
// progress window; nullptr when the printer cannot start it. Once the job has ended uncancelled
// `сдать` (when given) hands the file on; a cancelled, dropped or refused job leaves no file.
std::unique_ptr<Задание_печати> начать_задание(std::unique_ptr<QPrinter> принтер,
                                               std::string_view заголовок,
                                               const QString &имя_принтера,
                                               Сдача_задания сдать = {});

} // namespace круголет
