// "Печать" in the real program, on the default printer of the Wine prefix: a CUPS queue that
// writes every job as a PDF file. This program drives the window; what the pages must show it
// writes to the file named on its command line, for check_printed_pdf.py to compare with the
// PDF that arrives (the PDF is a file of the host, read with the host's tools).

#include "print/print_text.h"
#include "print/recording_job.h"
#include "print/win32/progress_window.h"
#include "runtime/utf16.h"
#include "tests/win32_print/print_session.h"
#include "ui/controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cwctype>
#include <filesystem>
#include <fstream>

namespace круголет {
namespace {

using namespace std::chrono_literals;

constexpr int ширина_табуляции = 6;

// Where the expected pages go; given on the command line.
std::wstring путь_ожидаемого;

const char *без_принтера =
    "no default printer in this Wine prefix: the print server is not running "
    "(scripts/print-server start)";

struct Принтер_и_экран {
    Фигуры_принтера фигуры;
    int разрешение_экрана;
};

Принтер_и_экран фигуры_принтера(const std::wstring &имя) {
    HDC dc = CreateDCW(L"WINSPOOL", имя.c_str(), nullptr, nullptr);
    Фигуры_принтера фигуры{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY),
                           GetDeviceCaps(dc, VERTRES), GetDeviceCaps(dc, HORZRES)};
    DeleteDC(dc);
    HDC экран = GetDC(nullptr);
    const int разрешение = GetDeviceCaps(экран, LOGPIXELSY);
    ReleaseDC(nullptr, экран);
    return {фигуры, разрешение};
}

// The pages the layout makes of the text on this printer.
Запись_печати разметка(const std::string &текст, const Принтер_и_экран &принтер) {
    Записывающий_принтер образец;
    образец.фигуры = принтер.фигуры;
    образец.разрешения_экрана = {принтер.разрешение_экрана};
    напечатать_текст(образец, текст, ширина_табуляции);
    return образец.запись;
}

// One fact a line, fields split by tabs, the last field the rest of the line: the figures, the
// report's lines, and every string drawn, with its page and place.
void записать_ожидаемое(const std::string &текст, const Принтер_и_экран &принтер,
                        const Запись_печати &запись) {
    std::ofstream файл(std::filesystem::path(путь_ожидаемого), std::ios::binary);
    const Фигуры_принтера &фигуры = принтер.фигуры;
    файл << "figures\t" << фигуры.точек_на_дюйм_по_x << '\t' << фигуры.точек_на_дюйм_по_y << '\t'
         << фигуры.высота_области << '\t' << фигуры.ширина_области << '\t'
         << принтер.разрешение_экрана << '\n';
    std::size_t начало = 0;
    while (начало <= текст.size()) {
        const std::size_t конец = std::min(текст.find('\n', начало), текст.size());
        файл << "report\t" << текст.substr(начало, конец - начало) << '\n';
        начало = конец + 1;
    }
    for (std::size_t страница = 0; страница < запись.страницы.size(); ++страница)
        for (const Надпись &надпись : запись.страницы[страница].надписи)
            файл << "draw\t" << страница + 1 << '\t' << надпись.x << '\t' << надпись.y << '\t'
                 << надпись.текст << '\n';
}

// The page that a line of the progress window names, 0 when it names none.
int номер_страницы(const std::wstring &строка) {
    const std::wstring начало = L"Печатается страница ";
    if (строка.rfind(начало, 0) != 0 || строка.size() == начало.size())
        return 0;
    for (std::size_t i = начало.size(); i < строка.size(); ++i)
        if (!std::iswdigit(строка[i]))
            return 0;
    return std::stoi(строка.substr(начало.size()));
}

// Puts the caret at the end of the report field.
HWND в_конец_отчета(const Программа_под_тестом &п) {
    HWND поле = п.элемент(поле_отчета);
    const auto длина = SendMessageW(поле, WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(поле, EM_SETSEL, длина, длина);
    return поле;
}

TEST(Win32Printing, AnEditedReportGoesToTheDefaultPrinterAndTheWindowTakesInputAgain) {
    ASSERT_FALSE(путь_ожидаемого.empty()) << "name the file for the expected pages";
    DeleteFileW(путь_ожидаемого.c_str());
    const auto принтер = принтер_по_умолчанию();
    if (!принтер)
        GTEST_SKIP() << без_принтера;

    Программа_под_тестом п;
    const std::wstring отчет = показать_отчет(п);
    ASSERT_FALSE(отчет.empty());

    // The user's own lines after the report: one typed, wider than a row and with a tab, and
    // enough short ones pasted that the text runs over at least two pages.
    const std::wstring набрано = L"\rДописано рукой:\tпервая строка правки, и в ней слов больше, "
                                 L"чем умещается в один ряд страницы: она переносится по пробелу.";
    HWND поле_отчета_ = в_конец_отчета(п);
    for (wchar_t знак : набрано)
        PostMessageW(поле_отчета_, WM_CHAR, знак, 1);
    std::wstring вставлено;
    for (int i = 1; i <= 70; ++i)
        вставлено += L"\r\nСтрока правки " + std::to_wstring(i);
    std::wstring поле = отчет + L"\r\n" + набрано.substr(1) + вставлено;
    ASSERT_TRUE(Программа_под_тестом::дождаться(
        [&] { return п.текст(поле_отчета) == отчет + L"\r\n" + набрано.substr(1); }));
    SendMessageW(в_конец_отчета(п), EM_REPLACESEL, TRUE,
                 reinterpret_cast<LPARAM>(вставлено.c_str()));
    ASSERT_EQ(п.текст(поле_отчета), поле);

    const std::string текст = как_напечатает(поле);
    const Принтер_и_экран фигуры = фигуры_принтера(*принтер);
    const Запись_печати страницы = разметка(текст, фигуры);
    ASSERT_GE(страницы.страницы.size(), 2u);
    записать_ожидаемое(текст, фигуры, страницы);

    // The click returns when the program has handled it, that is, when the job is over. (The
    // progress window of so short a job may come and go unseen: the test of the cancel looks
    // at it.)
    DWORD_PTR ответ = 0;
    const bool обработан = SendMessageTimeoutW(п.элемент(кнопка_печати), BM_CLICK, 0, 0,
                                               SMTO_NORMAL, 60000, &ответ) != 0;
    EXPECT_EQ(п.дождаться_окна(класс_диалога, L"Ошибка печати", 0ms), nullptr);
    ASSERT_TRUE(обработан) << "the print job did not end within a minute";

    // Over: the window has gone, the main window takes input again, the report is as it was.
    EXPECT_EQ(п.дождаться_окна(класс_диалога, заголовок_печати, 0ms), nullptr);
    EXPECT_TRUE(IsWindowEnabled(п.главное_окно()));
    EXPECT_EQ(п.текст(поле_отчета), поле);
}

TEST(Win32Printing, TheProgressWindowFollowsThePagesAndCancelDropsTheJobAfterThePageInHand) {
    const auto принтер = принтер_по_умолчанию();
    if (!принтер)
        GTEST_SKIP() << без_принтера;

    Программа_под_тестом п;
    // A text of hundreds of pages, as a user could paste it into the report field.
    std::wstring длинный;
    for (int i = 1; i <= 20000; ++i)
        длинный += L"Строка " + std::to_wstring(i) + L"\r\n";
    SendMessageW(п.элемент(поле_отчета), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(длинный.c_str()));
    ASSERT_EQ(п.текст(поле_отчета), длинный);
    const auto всего_страниц = static_cast<int>(
        разметка(как_напечатает(длинный), фигуры_принтера(*принтер)).страницы.size());

    п.щелкнуть(п.элемент(кнопка_печати));
    HWND окно = п.дождаться_окна(класс_диалога, заголовок_печати);
    ASSERT_NE(окно, nullptr);
    EXPECT_EQ(GetWindow(окно, GW_OWNER), п.главное_окно());
    EXPECT_FALSE(IsWindowEnabled(п.главное_окно()));
    // (The window is found as soon as it exists, its controls a moment later.)
    EXPECT_TRUE(Программа_под_тестом::дождаться(
        [&] { return п.текст(GetDlgItem(окно, строка_принтера)) == L"Принтер: " + *принтер; }));
    const auto страница = [&] {
        return номер_страницы(п.текст(GetDlgItem(окно, строка_страницы)));
    };
    ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return страница() >= 3; }))
        << "the progress window does not follow the pages";

    ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return п.активное_окно() == окно; }));
    const int при_отмене = страница();
    п.щелкнуть(GetDlgItem(окно, кнопка_отмены));
    int последняя = при_отмене;
    ASSERT_TRUE(Программа_под_тестом::дождаться(
        [&] {
            последняя = std::max(последняя, страница());
            return !IsWindow(окно);
        },
        30s));
    // The page in hand is finished, no other is started; and the job is discarded, which the
    // check of the PDF files sees: none arrives for it.
    EXPECT_LE(последняя, при_отмене + 1);
    EXPECT_LT(последняя, всего_страниц);

    EXPECT_TRUE(Программа_под_тестом::дождаться([&] { return IsWindowEnabled(п.главное_окно()); }));
    EXPECT_EQ(п.дождаться_окна(класс_диалога, {}, 1s), nullptr) << "a message after the cancel";
    EXPECT_EQ(п.текст(поле_отчета), длинный);
}

} // namespace
} // namespace круголет

int wmain(int число_аргументов, wchar_t **аргументы) {
    testing::InitGoogleTest(&число_аргументов, аргументы);
    if (число_аргументов > 1)
        круголет::путь_ожидаемого = аргументы[1];
    return RUN_ALL_TESTS();
}
