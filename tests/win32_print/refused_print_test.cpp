// "Печать" in the real program when the default printer refuses jobs: CTest makes a queue that
// refuses them and names it in LPDEST, which Wine takes for the default printer of a prefix of
// this test's own. The pages are drawn, and the job is refused when it is handed over.

#include "print/print_text.h"
#include "runtime/utf16.h"
#include "tests/win32_print/print_session.h"
#include "ui/controls.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

namespace круголет {
namespace {

using namespace std::chrono_literals;

TEST(Win32Printing, AJobTheDefaultQueueRefusesGivesTheErrorBox) {
    const wchar_t *очередь = _wgetenv(L"LPDEST");
    ASSERT_NE(очередь, nullptr) << "name the refusing queue in LPDEST";
    if (принтер_по_умолчанию() != очередь)
        GTEST_SKIP() << "the default printer is not the queue " << в_utf8(очередь)
                     << ": no print server (scripts/print-server start)";

    Программа_под_тестом п;
    const std::wstring отчет = показать_отчет(п);
    ASSERT_FALSE(отчет.empty());

    п.щелкнуть(п.элемент(кнопка_печати));
    HWND ошибка = п.дождаться_окна(класс_диалога, в_utf16(заголовок_ошибки_печати), 60s);
    ASSERT_NE(ошибка, nullptr) << "the refused job passed for printed";
    // A message box keeps its text in the static control 0xFFFF.
    EXPECT_EQ(п.текст(GetDlgItem(ошибка, 0xFFFF)), в_utf16(текст_ошибки_печати));
    EXPECT_EQ(п.дождаться_окна(класс_диалога, заголовок_печати, 0ms), nullptr)
        << "the progress window stays under the box";

    ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return п.активное_окно() == ошибка; }));
    п.щелкнуть(GetDlgItem(ошибка, IDOK));
    EXPECT_TRUE(Программа_под_тестом::дождаться([&] { return !IsWindow(ошибка); }));
    EXPECT_TRUE(Программа_под_тестом::дождаться([&] { return IsWindowEnabled(п.главное_окно()); }));
    EXPECT_EQ(п.текст(поле_отчета), отчет);
}

} // namespace
} // namespace круголет
