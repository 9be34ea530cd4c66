// "Печать" in the real program where no printer can be reached: CTest runs this in a Wine
// prefix of its own whose CUPS server is a socket that does not exist, so the prefix has no
// printer at all.

#include "print/print_text.h"
#include "runtime/utf16.h"
#include "tests/win32_print/print_session.h"
#include "ui/controls.h"

#include <gtest/gtest.h>

#include <chrono>

namespace круголет {
namespace {

using namespace std::chrono_literals;

TEST(Win32Printing, WithNoPrinterPrintShowsTheErrorBoxAndKeepsTheReport) {
    const auto принтер = принтер_по_умолчанию();
    ASSERT_FALSE(принтер) << "this prefix has the printer " << в_utf8(*принтер)
                          << ": run this where no print server can be reached";

    Программа_под_тестом п;
    const std::wstring отчет = показать_отчет(п);
    ASSERT_FALSE(отчет.empty());

    п.щелкнуть(п.элемент(кнопка_печати));
    HWND ошибка = п.дождаться_окна(класс_диалога, в_utf16(заголовок_ошибки_печати));
    ASSERT_NE(ошибка, nullptr);
    // A message box keeps its text in the static control 0xFFFF.
    EXPECT_EQ(п.текст(GetDlgItem(ошибка, 0xFFFF)), в_utf16(текст_ошибки_печати));
    EXPECT_NE(GetDlgItem(ошибка, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(ошибка, IDCANCEL), nullptr);
    EXPECT_FALSE(IsWindowEnabled(п.главное_окно()));
    // No job started, so no window of its progress.
    EXPECT_EQ(п.дождаться_окна(класс_диалога, заголовок_печати, 0ms), nullptr);

    ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return п.активное_окно() == ошибка; }));
    п.щелкнуть(GetDlgItem(ошибка, IDOK));
    EXPECT_TRUE(Программа_под_тестом::дождаться([&] { return !IsWindow(ошибка); }));
    EXPECT_TRUE(Программа_под_тестом::дождаться([&] { return IsWindowEnabled(п.главное_окно()); }));
    EXPECT_EQ(п.дождаться_окна(класс_диалога, {}, 1s), nullptr) << "a second message";
    EXPECT_EQ(п.текст(поле_отчета), отчет);
}

} // namespace
} // namespace круголет
