#pragma once

#include "print/print_job.h"

#include <QPrinter>

#include <memory>
#include <string_view>

namespace круголет {

// The print job on Qt: the system's default printer (through CUPS on Linux), without a
// printer dialog.
class Принтер_qt final : public Принтер {
  public:
    std::unique_ptr<Задание_печати> начать(std::string_view заголовок) override;
};

// A job under this title on the printer given, with its progress window; nullptr when the
// printer cannot start it.
std::unique_ptr<Задание_печати> начать_задание(std::unique_ptr<QPrinter> принтер,
                                               std::string_view заголовок);

} // namespace круголет
