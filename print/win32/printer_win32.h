#pragma once

#include "print/print_job.h"

#include <optional>
#include <string>

namespace круголет {

// The default printer of Windows, taken without a printer dialog. While a job prints, a window
// under the job's title tells the page and offers to cancel; a cancelled job is discarded, not
// printed.
// The name of the default printer, or nothing when Windows has none.
std::optional<std::wstring> принтер_по_умолчанию();

class Принтер_win32 final : public Принтер {
  public:
    std::unique_ptr<Задание_печати> начать(std::string_view заголовок) override;
};

} // namespace круголет
