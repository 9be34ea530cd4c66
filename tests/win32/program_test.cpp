// The Windows program itself, krugolet.exe, in a process of its own beside its library, used
// through its windows as a user uses it.

#include "calendar/report.h"
#include "knowledge/library.h"
#include "output/about_text.h"
#include "runtime/utf16.h"
#include "tests/win32/control_style.h"
#include "tests/win32/program_under_test.h"
#include "ui/about.h"
#include "ui/controls.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <tuple>
#include <vector>

namespace круголет {
namespace {

using namespace std::chrono_literals;

const Знания &знания_библиотеки() {
    static const Знания знания = [] {
        Знания з = встроенные_знания();
        EXPECT_EQ(загрузить_библиотеку(имя_библиотеки, з), Загрузка::выполнена);
        return з;
    }();
    return знания;
}

// The report field's text for a moment, as the program should show it.
std::wstring отчет_для(int день, int месяц, int год, int час, int минута) {
    const auto отчет = отчет_момента(знания_библиотеки(), {день, месяц, год, час, минута});
    return отчет ? как_в_элементе(*отчет) : std::wstring();
}

void ввести_момент(const Программа_под_тестом &п, const wchar_t *день, const wchar_t *месяц,
                   const wchar_t *год, const wchar_t *час, const wchar_t *минута) {
    п.ввести(поле_дня, день);
    п.ввести(поле_месяца, месяц);
    п.ввести(поле_года, год);
    п.ввести(поле_часа, час);
    п.ввести(поле_минуты, минута);
}

struct Ожидаемый_элемент {
    int номер;
    const wchar_t *класс;
    DWORD стиль;
    const wchar_t *текст; // nullptr: the text depends on the clock
};

constexpr DWORD поле = WS_BORDER | ES_LEFT | WS_GROUP | WS_TABSTOP;
constexpr DWORD кнопка = BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP;

// The fifteen controls in the order of their creation, which is also their z-order.
const Ожидаемый_элемент элементы[] = {
    {надпись_даты, L"Static", SS_CENTER, L"Дата (ДД-ММ-ГГГГ):"},
    {поле_дня, L"Edit", поле, nullptr},
    {поле_года, L"Edit", поле, nullptr},
    {надпись_времени, L"Static", SS_CENTER, L"Время (Час-Мин):"},
    {поле_часа, L"Edit", поле, nullptr},
    {поле_минуты, L"Edit", поле, nullptr},
    {поле_месяца, L"Edit", поле, nullptr},
    {кнопка_расчета, L"Button", кнопка, L"Расчет"},
    {кнопка_печати, L"Button", кнопка, L"Печать"},
    {кнопка_справки, L"Button", кнопка, L"Справка"},
    {черта_после_дня, L"Static", SS_CENTER, L"-"},
    {черта_после_месяца, L"Static", SS_CENTER, L"-"},
    {двоеточие, L"Static", SS_CENTER, L":"},
    {шапка, L"Static", SS_CENTER,
     L"Да'АРИЙСКИЙ КРУГОЛЕТ ЧИСЛОБОГА\r\nна 53 Круг Жизни от\r\nСотворения Мира в Лето "
     L"Звездного Храма\r\n(с  22.09.1868г. до  22.09.2012г.)"},
    {поле_отчета, L"Edit",
     ES_MULTILINE | WS_VSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN | WS_BORDER | ES_LEFT | WS_GROUP |
         WS_TABSTOP,
     nullptr},
};

std::wstring класс(HWND окно) {
    wchar_t имя[64]{};
    GetClassNameW(окно, имя, 64);
    return имя;
}

bool тот_же_класс(HWND окно, const wchar_t *ожидаемый) {
    return CompareStringOrdinal(класс(окно).c_str(), -1, ожидаемый, -1, TRUE) == CSTR_EQUAL;
}

RECT место(HWND элемент) {
    RECT r;
    GetWindowRect(элемент, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(элемент), reinterpret_cast<POINT *>(&r), 2);
    return r;
}

SYSTEMTIME сейчас() {
    SYSTEMTIME время;
    GetLocalTime(&время);
    return время;
}

TEST(Win32Program, MainWindowIsMaximizedAndHoldsFifteenControlsInOrder) {
    const SYSTEMTIME до = сейчас();
    Программа_под_тестом п;
    HWND главное = п.главное_окно();
    ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return IsWindowVisible(главное); }));
    const SYSTEMTIME после = сейчас();

    EXPECT_EQ(п.текст(главное), L"Ольмарский Календаръ");
    const auto стиль = static_cast<DWORD>(GetWindowLongW(главное, GWL_STYLE));
    for (DWORD нужен : {DWORD{WS_CAPTION}, DWORD{WS_SYSMENU}, DWORD{WS_MINIMIZEBOX},
                        DWORD{WS_DLGFRAME}, DWORD{WS_VISIBLE}})
        EXPECT_EQ(стиль & нужен, нужен) << std::hex << нужен;
    EXPECT_EQ(стиль & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0u);
    EXPECT_TRUE(IsZoomed(главное));

    HWND элемент = GetWindow(главное, GW_CHILD);
    for (const Ожидаемый_элемент &о : элементы) {
        ASSERT_NE(элемент, nullptr) << о.номер;
        EXPECT_EQ(GetDlgCtrlID(элемент), о.номер);
        EXPECT_TRUE(тот_же_класс(элемент, о.класс)) << о.номер;
        EXPECT_EQ(сравнимый_стиль(элемент), сравнимый_стиль(о.стиль)) << о.номер;
        if (о.текст) {
            EXPECT_EQ(п.текст(элемент), о.текст) << о.номер;
        }
        элемент = GetWindow(элемент, GW_HWNDNEXT);
    }
    EXPECT_EQ(элемент, nullptr) << "more than fifteen controls";

    // The fields show the clock as it was read; unless a minute turned meanwhile, that is
    // the clock read here before and after.
    if (до.wMinute == после.wMinute && до.wDay == после.wDay) {
        EXPECT_EQ(п.текст(поле_дня), std::to_wstring(до.wDay));
        EXPECT_EQ(п.текст(поле_месяца), std::to_wstring(до.wMonth));
        EXPECT_EQ(п.текст(поле_года), std::to_wstring(до.wYear));
        EXPECT_EQ(п.текст(поле_часа), std::to_wstring(до.wHour));
        EXPECT_EQ(п.текст(поле_минуты), std::to_wstring(до.wMinute));
        const std::wstring отчет = отчет_для(до.wDay, до.wMonth, до.wYear, до.wHour, до.wMinute);
        EXPECT_EQ(п.текст(поле_отчета), отчет.empty() ? L"" : L"Ныне:\r\n" + отчет);
    }
    EXPECT_EQ(п.закрыть(), DWORD{0});
}

TEST(Win32Program, OnAnEightHundredBySixHundredScreenControlsStandAtTheirSharesWithoutOverlapping) {
    HDC экран = GetDC(nullptr);
    const int ширина = GetDeviceCaps(экран, HORZRES);
    const int высота = GetDeviceCaps(экран, VERTRES);
    ReleaseDC(nullptr, экран);
    // The tests' Wine desktop (scripts/wine-run).
    ASSERT_EQ(ширина, 800);
    ASSERT_EQ(высота, 600);
    ASSERT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);

    Программа_под_тестом п;
    const RECT шапка_ = место(п.элемент(шапка));
    EXPECT_EQ(шапка_.left, 160);
    EXPECT_EQ(шапка_.top, 12);
    EXPECT_EQ(шапка_.right, 600);
    EXPECT_EQ(шапка_.bottom, 93);
    const RECT отчет = место(п.элемент(поле_отчета));
    EXPECT_EQ(отчет.left, 4);
    EXPECT_EQ(отчет.right, 796);
    EXPECT_EQ(отчет.bottom, 575);

    // Within a row each control starts where the one before it ends.
    for (const std::vector<int> &ряд :
         {std::vector<int>{надпись_даты, поле_дня, черта_после_дня, поле_месяца, черта_после_месяца,
                           поле_года},
          std::vector<int>{надпись_времени, поле_часа, двоеточие, поле_минуты}})
        for (std::size_t i = 1; i < ряд.size(); ++i) {
            EXPECT_EQ(место(п.элемент(ряд[i])).left, место(п.элемент(ряд[i - 1])).right) << ряд[i];
            EXPECT_EQ(место(п.элемент(ряд[i])).top, место(п.элемент(ряд[0])).top) << ряд[i];
        }

    // A maximized window without a sizing border has its frame off the screen, and its client
    // area is the screen below the caption. (Wine keeps the frame on the screen, 3 pixels on
    // every side, and so clips the report field's right border by 2 pixels.)
    const RECT клиент{0, 0, ширина, высота - GetSystemMetrics(SM_CYCAPTION)};
    std::vector<RECT> места;
    for (const Ожидаемый_элемент &о : элементы)
        места.push_back(место(п.элемент(о.номер)));
    for (std::size_t i = 0; i < места.size(); ++i) {
        RECT внутри;
        IntersectRect(&внутри, &места[i], &клиент);
        EXPECT_TRUE(EqualRect(&внутри, &места[i])) << элементы[i].номер << " leaves the window";
        for (std::size_t j = i + 1; j < места.size(); ++j) {
            RECT общее;
            EXPECT_FALSE(IntersectRect(&общее, &места[i], &места[j]))
                << элементы[i].номер << " overlaps " << элементы[j].номер;
        }
    }

    // Nothing is laid out again: minimized and restored, the window is as it was.
    ShowWindow(п.главное_окно(), SW_MINIMIZE);
    ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return IsIconic(п.главное_окно()); }));
    ShowWindow(п.главное_окно(), SW_RESTORE);
    ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return IsZoomed(п.главное_окно()); }));
    for (std::size_t i = 0; i < места.size(); ++i) {
        const RECT теперь = место(п.элемент(элементы[i].номер));
        EXPECT_TRUE(EqualRect(&теперь, &места[i])) << элементы[i].номер;
    }
}

TEST(Win32Program, ATypedMomentAndEnterInAFieldShowItsReport) {
    Программа_под_тестом п;
    ввести_момент(п, L"14", L"7", L"1990", L"21", L"30");
    п.нажать_клавишу(п.элемент(поле_минуты), VK_RETURN);
    const std::wstring отчет = отчет_для(14, 7, 1990, 21, 30);
    ASSERT_FALSE(отчет.empty());
    EXPECT_TRUE(Программа_под_тестом::дождаться([&] { return п.текст(поле_отчета) == отчет; }))
        << в_utf8(п.текст(поле_отчета));

    // Enter in the day field runs the same conversion, on the fields as they read now.
    п.ввести(поле_дня, L"22");
    п.ввести(поле_месяца, L"9");
    п.ввести(поле_года, L"1868");
    п.ввести(поле_часа, L"19");
    п.ввести(поле_минуты, L"0");
    п.нажать_клавишу(п.элемент(поле_дня), VK_RETURN);
    const std::wstring первый = отчет_для(22, 9, 1868, 19, 0);
    ASSERT_FALSE(первый.empty());
    EXPECT_TRUE(Программа_под_тестом::дождаться([&] { return п.текст(поле_отчета) == первый; }));

    // Enter in the report field breaks the line there and converts nothing.
    HWND поле_отчета_ = п.элемент(поле_отчета);
    SendMessageW(поле_отчета_, EM_SETSEL, 0, 0);
    п.нажать_клавишу(поле_отчета_, VK_RETURN);
    EXPECT_TRUE(
        Программа_под_тестом::дождаться([&] { return п.текст(поле_отчета) == L"\r\n" + первый; }));
}

TEST(Win32Program, TabAndSpaceMoveTheFocusThroughTheFieldsAndCalculateInTheMinuteField) {
    Программа_под_тестом п;
    п.нажать_клавишу(п.элемент(поле_дня), VK_TAB);
    EXPECT_TRUE(
        Программа_под_тестом::дождаться([&] { return п.фокус() == п.элемент(поле_месяца); }));
    п.нажать_клавишу(п.элемент(поле_года), VK_SPACE);
    EXPECT_TRUE(Программа_под_тестом::дождаться([&] { return п.фокус() == п.элемент(поле_часа); }));

    ввести_момент(п, L"1", L"10", L"1900", L"9", L"5");
    // Space types its blank into the minute field, then converts: "5 " reads as 5.
    п.нажать_клавишу(п.элемент(поле_минуты), VK_SPACE);
    const std::wstring отчет = отчет_для(1, 10, 1900, 9, 5);
    ASSERT_FALSE(отчет.empty());
    EXPECT_TRUE(Программа_под_тестом::дождаться([&] { return п.текст(поле_отчета) == отчет; }));
    EXPECT_EQ(п.текст(поле_минуты), L"5 ");
}

TEST(Win32Program, ARefusedMomentShowsTheErrorBoxAndKeepsTheReport) {
    Программа_под_тестом п;
    ввести_момент(п, L"14", L"7", L"1990", L"21", L"30");
    п.нажать_клавишу(п.элемент(поле_минуты), VK_RETURN);
    const std::wstring отчет = отчет_для(14, 7, 1990, 21, 30);
    ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return п.текст(поле_отчета) == отчет; }));

    // 30 February 1904 and 31 April 1950 do not exist.
    for (const auto &[день, месяц, год] :
         {std::tuple{L"30", L"2", L"1904"}, std::tuple{L"31", L"4", L"1950"}}) {
        ввести_момент(п, день, месяц, год, L"10", L"0");
        п.нажать_клавишу(п.элемент(поле_дня), VK_RETURN);
        HWND ошибка = п.дождаться_окна(класс_диалога, L"Ошибка");
        ASSERT_NE(ошибка, nullptr) << в_utf8(день);
        // A message box keeps its text in the static control 0xFFFF.
        EXPECT_EQ(п.текст(GetDlgItem(ошибка, 0xFFFF)), L"Неправильные данные!");
        EXPECT_NE(GetDlgItem(ошибка, IDOK), nullptr);
        EXPECT_EQ(GetDlgItem(ошибка, IDCANCEL), nullptr);
        // Modal for the whole task: the main window takes no input meanwhile.
        EXPECT_FALSE(IsWindowEnabled(п.главное_окно()));

        ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return п.активное_окно() == ошибка; }));
        п.щелкнуть(GetDlgItem(ошибка, IDOK));
        EXPECT_TRUE(Программа_под_тестом::дождаться([&] { return !IsWindow(ошибка); }));
        EXPECT_TRUE(
            Программа_под_тестом::дождаться([&] { return IsWindowEnabled(п.главное_окно()); }));
        EXPECT_EQ(п.текст(поле_отчета), отчет);
        EXPECT_EQ(п.текст(поле_дня), день) << "a refused field keeps its text";
    }
}

// A key from the keyboard, not posted to a window: it goes where the focus is.
void клавиатура(WORD клавиша, bool отпущена) {
    INPUT ввод{};
    ввод.type = INPUT_KEYBOARD;
    ввод.ki.wVk = клавиша;
    ввод.ki.dwFlags = отпущена ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &ввод, sizeof ввод);
}

TEST(Win32Program, AfterTheErrorBoxTheMainWindowIsActiveAgainAndTypingGoesToTheFocusedField) {
    Программа_под_тестом п;
    SetForegroundWindow(п.главное_окно());
    п.нажать_клавишу(п.элемент(поле_дня), VK_TAB);
    ASSERT_TRUE(
        Программа_под_тестом::дождаться([&] { return п.фокус() == п.элемент(поле_месяца); }));
    ввести_момент(п, L"30", L"2", L"1904", L"10", L"0");
    п.нажать_клавишу(п.элемент(поле_месяца), VK_RETURN);
    HWND ошибка = п.дождаться_окна(класс_диалога, L"Ошибка");
    ASSERT_NE(ошибка, nullptr);
    EXPECT_EQ(GetWindow(ошибка, GW_OWNER), п.главное_окно());
    ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return п.активное_окно() == ошибка; }));
    п.щелкнуть(GetDlgItem(ошибка, IDOK));
    ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return !IsWindow(ошибка); }));

    EXPECT_TRUE(Программа_под_тестом::дождаться([&] {
        return п.активное_окно() == п.главное_окно() && п.фокус() == п.элемент(поле_месяца);
    }));
    клавиатура('7', false);
    клавиатура('7', true);
    EXPECT_TRUE(Программа_под_тестом::дождаться([&] { return п.текст(поле_месяца) == L"27"; }))
        << в_utf8(п.текст(поле_месяца));
}

// Enter closes the box on its press; its release then comes to the field, which has the focus
// back, and must not ask for the conversion again.
TEST(Win32Program, EnterThatClosesTheErrorBoxDoesNotOpenItAgain) {
    Программа_под_тестом п;
    SetForegroundWindow(п.главное_окно());
    п.нажать_клавишу(п.элемент(поле_дня), VK_TAB);
    ASSERT_TRUE(
        Программа_под_тестом::дождаться([&] { return п.фокус() == п.элемент(поле_месяца); }));
    ввести_момент(п, L"30", L"2", L"1904", L"10", L"0");
    клавиатура(VK_RETURN, false);
    клавиатура(VK_RETURN, true);
    HWND ошибка = п.дождаться_окна(класс_диалога, L"Ошибка");
    ASSERT_NE(ошибка, nullptr);
    ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return п.активное_окно() == ошибка; }));

    клавиатура(VK_RETURN, false);
    ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return !IsWindow(ошибка); }));
    ASSERT_TRUE(Программа_под_тестом::дождаться([&] {
        return п.активное_окно() == п.главное_окно() && п.фокус() == п.элемент(поле_месяца);
    }));
    клавиатура(VK_RETURN, true);
    HWND вторая = п.дождаться_окна(класс_диалога, L"Ошибка", 1500ms);
    EXPECT_EQ(вторая, nullptr) << "a second box";
    if (вторая)
        п.щелкнуть(GetDlgItem(вторая, IDOK));
}

TEST(Win32Program, HelpOpensTheModalAboutWindowAndOkClosesIt) {
    Программа_под_тестом п;
    п.щелкнуть(п.элемент(кнопка_справки));
    const std::wstring заголовок = std::wstring(38, L' ') + L"О программе";
    HWND окно = п.дождаться_окна(класс_диалога, заголовок);
    ASSERT_NE(окно, nullptr);
    EXPECT_EQ(GetWindow(окно, GW_OWNER), п.главное_окно());
    EXPECT_FALSE(IsWindowEnabled(п.главное_окно()));

    const std::wstring текст = как_в_элементе(текст_о_программе());
    EXPECT_TRUE(
        Программа_под_тестом::дождаться([&] { return п.текст(GetDlgItem(окно, 10006)) == текст; }));
    ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return п.активное_окно() == окно; }));

    п.щелкнуть(GetDlgItem(окно, 1));
    EXPECT_TRUE(Программа_под_тестом::дождаться([&] { return !IsWindow(окно); }));
    EXPECT_TRUE(Программа_под_тестом::дождаться([&] {
        return IsWindowEnabled(п.главное_окно()) && п.активное_окно() == п.главное_окно();
    }));

    // Built anew on the next press.
    п.щелкнуть(п.элемент(кнопка_справки));
    HWND снова = п.дождаться_окна(класс_диалога, заголовок);
    ASSERT_NE(снова, nullptr);
    // A click reaches a dialog's button once the dialog is the active window.
    ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return п.активное_окно() == снова; }));
    п.щелкнуть(GetDlgItem(снова, 1));
    EXPECT_TRUE(Программа_под_тестом::дождаться([&] { return !IsWindow(снова); }));
}

TEST(Win32Program, FromAnotherDirectoryFindsTheLibraryBesideItself) {
    wchar_t временная[MAX_PATH];
    GetTempPathW(MAX_PATH, временная);
    const std::wstring каталог =
        std::wstring(временная) + L"krugolet-elsewhere-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(каталог.c_str(), nullptr);

    Программа_под_тестом п(каталог);
    EXPECT_EQ(п.дождаться_окна(класс_диалога, {}, 1500ms), nullptr) << "an error box";
    ввести_момент(п, L"15", L"3", L"2000", L"20", L"30");
    п.нажать_клавишу(п.элемент(поле_минуты), VK_RETURN);
    EXPECT_TRUE(Программа_под_тестом::дождаться(
        [&] { return п.текст(поле_отчета) == отчет_для(15, 3, 2000, 20, 30); }));
    EXPECT_EQ(п.закрыть(), DWORD{0});
    RemoveDirectoryW(каталог.c_str());
}

TEST(Win32Program, WithoutTheLibraryOneErrorBoxAndAnEmptyReport) {
    wchar_t временная[MAX_PATH];
    GetTempPathW(MAX_PATH, временная);
    const std::wstring каталог =
        std::wstring(временная) + L"krugolet-no-library-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(каталог.c_str(), nullptr);
    // A copy of the program, with no library beside it either.
    const std::wstring программа = каталог + L"\\krugolet.exe";
    CopyFileW(L"krugolet.exe", программа.c_str(), FALSE);

    Программа_под_тестом п(каталог, программа);
    HWND ошибка = п.дождаться_окна(класс_диалога, L"Ошибка загрузки библиотеки");
    ASSERT_NE(ошибка, nullptr);
    EXPECT_EQ(п.текст(GetDlgItem(ошибка, 0xFFFF)), в_utf16(текст_ошибки_библиотеки));
    ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return п.активное_окно() == ошибка; }));
    п.щелкнуть(GetDlgItem(ошибка, IDOK));
    ASSERT_TRUE(Программа_под_тестом::дождаться([&] { return !IsWindow(ошибка); }));

    EXPECT_TRUE(Программа_под_тестом::дождаться([&] { return IsWindowVisible(п.главное_окно()); }));
    EXPECT_EQ(п.дождаться_окна(класс_диалога, {}, 1500ms), nullptr) << "a second message";
    EXPECT_EQ(п.текст(поле_отчета), L"");
    EXPECT_FALSE(п.текст(поле_года).empty());

    // The buttons still work; a conversion without the library's rows gives no report and
    // no message.
    ввести_момент(п, L"14", L"7", L"1990", L"21", L"30");
    п.нажать_клавишу(п.элемент(поле_минуты), VK_RETURN);
    EXPECT_FALSE(Программа_под_тестом::дождаться(
        [&] { return п.текст(поле_отчета) != L"" || !IsWindowEnabled(п.главное_окно()); }, 1500ms));
    EXPECT_EQ(п.закрыть(), DWORD{0});
    DeleteFileW(программа.c_str());
    RemoveDirectoryW(каталог.c_str());
}

} // namespace
} // namespace круголет
