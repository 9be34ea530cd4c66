// The Win32 window layer in this process, on real windows: what the windows of ui/ rely on.

#include "platform/win32/platform_win32.h"
#include "platform/win32/window_win32.h"
#include "runtime/utf16.h"
#include "tests/win32/control_style.h"
#include "ui/about.h"
#include "ui/controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace круголет {
namespace {

// What a test's main window heard, and how it answers.
struct Журнал final : Данные_окна {
    std::vector<Событие> события;
    std::function<int(Окно &, const Событие &)> ответ;
};

int записать_и_ответить(Окно &окно, const Событие &событие) {
    auto &журнал = static_cast<Журнал &>(*окно.данные());
    if (событие.вид != Вид_события::прочее)
        журнал.события.push_back(событие);
    return журнал.ответ ? журнал.ответ(окно, событие) : не_обработано;
}

bool было(const Журнал &журнал, Вид_события вид, int элемент = 0) {
    return std::any_of(журнал.события.begin(), журнал.события.end(),
                       [&](const Событие &с) { return с.вид == вид && с.элемент == элемент; });
}

HWND hwnd(Окно &окно) {
    return static_cast<Окно_win32 &>(окно).hwnd();
}

std::wstring текст_окна(HWND окно) {
    std::wstring текст(GetWindowTextLengthW(окно) + 1, L'\0');
    текст.resize(GetWindowTextW(окно, текст.data(), static_cast<int>(текст.size())));
    return текст;
}

void обработать_очередь() {
    MSG сообщение;
    while (PeekMessageW(&сообщение, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&сообщение);
        DispatchMessageW(&сообщение);
    }
}

class Win32WindowLayer : public ::testing::Test {
  protected:
    // A window closed by an earlier test leaves its WM_QUIT behind, which would end the next
    // modal loop at once.
    void SetUp() override { обработать_очередь(); }

    Окно &создать(std::function<int(Окно &, const Событие &)> ответ = {}) {
        auto журнал = std::make_unique<Журнал>();
        журнал->ответ = std::move(ответ);
        журнал_ = журнал.get();
        return платформа.создать_главное_окно("Проба окна", значок_программы, записать_и_ответить,
                                              std::move(журнал));
    }
    Журнал &журнал() { return *журнал_; }

    Платформа_win32 платформа{GetModuleHandleW(nullptr)};

  private:
    Журнал *журнал_ = nullptr;
};

TEST_F(Win32WindowLayer, MainWindowIsMaximizedWithAFixedFrameAndNoMoveInItsMenu) {
    Окно &окно = создать();
    HWND h = hwnd(окно);
    EXPECT_EQ(текст_окна(h), L"Проба окна");
    const auto стиль = static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE));
    for (DWORD нужен : {DWORD{WS_CAPTION}, DWORD{WS_SYSMENU}, DWORD{WS_MINIMIZEBOX},
                        DWORD{WS_DLGFRAME}, DWORD{WS_VISIBLE}})
        EXPECT_EQ(стиль & нужен, нужен) << std::hex << нужен;
    EXPECT_EQ(стиль & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP), 0);
    EXPECT_EQ(GetMenu(h), nullptr);
    EXPECT_TRUE(IsZoomed(h));

    HMENU меню = GetSystemMenu(h, FALSE);
    EXPECT_EQ(GetMenuState(меню, SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuState(меню, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetMenuState(меню, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetClassLongPtrW(h, GCLP_HICON), 0);

    EXPECT_EQ(SendMessageW(h, WM_GETICON, ICON_BIG, 0), 0);
    окно.установить_значок(значок_программы);
    EXPECT_NE(SendMessageW(h, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(h, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(Win32WindowLayer, CreationReachesTheHandlerBeforeTheWindowIsReturned) {
    создать();
    ASSERT_FALSE(журнал().события.empty());
    EXPECT_EQ(журнал().события.front().вид, Вид_события::создание);
    EXPECT_TRUE(было(журнал(), Вид_события::активация));
}

TEST_F(Win32WindowLayer, PressingAButtonDeliversACommandWithItsIdSynchronously) {
    Окно &окно = создать();
    окно.создать_элемент(Вид_элемента::кнопка, кнопка_расчета, "Расчет", {0, 0, 80, 24});
    окно.нажать(кнопка_расчета);
    EXPECT_TRUE(было(журнал(), Вид_события::команда, кнопка_расчета));

    журнал().события.clear();
    SendMessageW(GetDlgItem(hwnd(окно), кнопка_расчета), BM_CLICK, 0, 0);
    EXPECT_TRUE(было(журнал(), Вид_события::команда, кнопка_расчета));
}

TEST_F(Win32WindowLayer, AnUnhandledCloseClosesTheWindowAndEndsTheMessageLoop) {
    Окно &окно = создать();
    PostMessageW(hwnd(окно), WM_CLOSE, 0, 0);
    EXPECT_EQ(платформа.цикл_сообщений(), 0);
    EXPECT_EQ(hwnd(окно), nullptr);
}

TEST_F(Win32WindowLayer, ALineFeedBecomesAPairInTheControlAndComesBackSingle) {
    Окно &окно = создать();
    Окно &поле = окно.создать_элемент(Вид_элемента::поле_отчета, поле_отчета, "", {0, 0, 300, 200});
    поле.установить_текст("Ныне:\nЛето в Круге Жизни: 122\n\nконец");
    EXPECT_EQ(текст_окна(hwnd(поле)), L"Ныне:\r\nЛето в Круге Жизни: 122\r\n\r\nконец");
    EXPECT_EQ(поле.текст(), "Ныне:\nЛето в Круге Жизни: 122\n\nконец");

    SetWindowTextW(hwnd(поле), L"один\rдва\r\nтри\n");
    EXPECT_EQ(поле.текст(), "один\rдва\nтри\n");

    Окно &надпись =
        окно.создать_элемент(Вид_элемента::надпись, шапка, "первая\nвторая", {0, 0, 300, 40});
    EXPECT_EQ(текст_окна(hwnd(надпись)), L"первая\r\nвторая");
}

std::string как_текст(const RECT &r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

struct Ожидаемый_вид {
    Вид_элемента вид;
    const wchar_t *класс;
    DWORD стиль; // besides WS_CHILD and WS_VISIBLE
};

TEST_F(Win32WindowLayer, EachControlKindIsCreatedWithItsClassAndStyle) {
    const Ожидаемый_вид виды[] = {
        {Вид_элемента::надпись, L"Static", SS_CENTER},
        {Вид_элемента::поле, L"Edit", WS_BORDER | ES_LEFT | WS_GROUP | WS_TABSTOP},
        {Вид_элемента::поле_отчета, L"Edit",
         ES_MULTILINE | WS_VSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN | WS_BORDER | ES_LEFT |
             WS_GROUP | WS_TABSTOP},
        {Вид_элемента::поле_только_чтение, L"Edit",
         WS_BORDER | ES_MULTILINE | WS_VSCROLL | ES_READONLY | ES_NOHIDESEL | WS_GROUP |
             WS_TABSTOP},
        {Вид_элемента::кнопка, L"Button", BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP},
        {Вид_элемента::кнопка_по_умолчанию, L"Button", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP},
        {Вид_элемента::рамка, L"Button", BS_GROUPBOX},
    };
    Окно &окно = создать();
    int номер = 100;
    for (const auto &[вид, класс, стиль] : виды) {
        ++номер;
        Окно &элемент = окно.создать_элемент(вид, номер, "текст", {0, 0, 100, 50});
        HWND h = hwnd(элемент);
        ASSERT_EQ(GetDlgItem(hwnd(окно), номер), h);
        wchar_t имя[32]{};
        GetClassNameW(h, имя, 32);
        EXPECT_EQ(CompareStringOrdinal(имя, -1, класс, -1, TRUE), CSTR_EQUAL) << номер;
        EXPECT_EQ(сравнимый_стиль(h), сравнимый_стиль(стиль)) << номер;
        EXPECT_EQ(окно.элемент(номер), &элемент);
        EXPECT_EQ(элемент.родитель(), &окно);
    }
    EXPECT_EQ(окно.элемент(999), nullptr);
}

TEST_F(Win32WindowLayer, AControlStandsInTheGivenRectangleOfTheClientArea) {
    Окно &окно = создать();
    Окно &поле = окно.создать_элемент(Вид_элемента::поле, поле_дня, "1", {0, 0, 10, 10});
    поле.переместить({37, 41, 95, 66});
    EXPECT_EQ(поле.внешний_прямоугольник(), (Прямоугольник{37, 41, 95, 66}));
    RECT клиент;
    GetClientRect(hwnd(окно), &клиент);
    EXPECT_EQ(окно.клиентская_область(), (Прямоугольник{0, 0, static_cast<int>(клиент.right),
                                                        static_cast<int>(клиент.bottom)}));
}

TEST_F(Win32WindowLayer, RepaintFillsWithTheButtonFaceAndStretchesTheBitmapFromTheResources) {
    std::vector<Размер> размеры;
    Окно &окно = создать([&](Окно &о, const Событие &событие) {
        if (событие.вид != Вид_события::перерисовка)
            return не_обработано;
        о.залить_фоном();
        о.нарисовать_картинку(картинка_звезды, [&](Размер р) {
            размеры.push_back(р);
            return Прямоугольник{20, 20, 20 + 95, 20 + 95};
        });
        о.нарисовать_картинку(картинка_орла, [&](Размер р) {
            размеры.push_back(р);
            return Прямоугольник{200, 0, 200 + 187, 239};
        });
        return обработано;
    });
    RedrawWindow(hwnd(окно), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_EQ(размеры.size() % 2, 0u);
    ASSERT_FALSE(размеры.empty());
    EXPECT_EQ(размеры[0], (Размер{190, 190}));
    EXPECT_EQ(размеры[1], (Размер{187, 239}));

    HDC dc = GetDC(hwnd(окно));
    const COLORREF фон = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(GetPixel(dc, 5, 5), фон);
    EXPECT_EQ(GetPixel(dc, 150, 150), фон);
    // The picture's own grey corner takes the system's button face; its middle is drawn.
    EXPECT_EQ(GetPixel(dc, 21, 21), фон);
    EXPECT_NE(GetPixel(dc, 20 + 47, 20 + 47), фон);
    EXPECT_NE(GetPixel(dc, 200 + 93, 120), фон);
    ReleaseDC(hwnd(окно), dc);
}

// What the About window's template from the resources looked like at its first repaint.
struct Осмотр_диалога {
    std::wstring заголовок;
    DWORD стиль = 0;
    std::wstring шрифт;
    int высота_шрифта = 0;
    POINT место{};
    std::vector<RECT> места;
    std::vector<DWORD> стили;
    std::vector<std::wstring> классы;
    std::vector<std::wstring> тексты;
};
Осмотр_диалога осмотр;
HWND владелец_диалога = nullptr;

int осмотреть_и_закрыть(Окно &диалог, const Событие &событие) {
    if (событие.вид != Вид_события::перерисовка || !осмотр.места.empty())
        return не_обработано;
    HWND h = hwnd(диалог);
    осмотр.заголовок = текст_окна(h);
    осмотр.стиль = static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE));
    LOGFONTW шрифт{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)), sizeof шрифт, &шрифт);
    осмотр.шрифт = шрифт.lfFaceName;
    осмотр.высота_шрифта = шрифт.lfHeight;
    // The template places the dialog's client area, not its frame.
    осмотр.место = {0, 0};
    ClientToScreen(h, &осмотр.место);
    ScreenToClient(владелец_диалога, &осмотр.место);
    for (const Элемент_шаблона &э : шаблон_окна_о_программе().элементы) {
        HWND элемент = GetDlgItem(h, э.номер);
        RECT r{};
        GetWindowRect(элемент, &r);
        MapWindowPoints(HWND_DESKTOP, h, reinterpret_cast<POINT *>(&r), 2);
        осмотр.места.push_back(r);
        осмотр.стили.push_back(сравнимый_стиль(элемент));
        wchar_t класс[32]{};
        GetClassNameW(элемент, класс, 32);
        осмотр.классы.push_back(класс);
        осмотр.тексты.push_back(текст_окна(элемент));
    }
    PostMessageW(h, WM_COMMAND, IDCANCEL, 0);
    return обработано;
}

TEST_F(Win32WindowLayer, AboutWindowFromTheResourcesMatchesItsTemplate) {
    Окно &окно = создать();
    владелец_диалога = hwnd(окно);
    осмотр = {};
    const Шаблон_диалога &шаблон = шаблон_окна_о_программе();
    // Closed by IDCANCEL, which its handler leaves to the layer.
    окно.открыть_диалог(шаблон, осмотреть_и_закрыть);
    ASSERT_EQ(осмотр.места.size(), шаблон.элементы.size());

    EXPECT_EQ(осмотр.заголовок, в_utf16(шаблон.заголовок));
    for (DWORD нужен : {DWORD{WS_POPUP}, DWORD{WS_CAPTION}, DWORD{WS_SYSMENU}, DWORD{DS_MODALFRAME},
                        DWORD{DS_SETFONT}})
        EXPECT_EQ(осмотр.стиль & нужен, нужен) << std::hex << нужен;
    EXPECT_EQ(осмотр.шрифт, в_utf16(шаблон.шрифт));
    HDC экран = GetDC(nullptr);
    EXPECT_EQ(осмотр.высота_шрифта,
              -MulDiv(шаблон.размер_шрифта, GetDeviceCaps(экран, LOGPIXELSY), 72));
    ReleaseDC(nullptr, экран);

    // Dialog units of the template's font, turned into pixels by a dialog made from it.
    HWND образец = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(шаблон.ресурс),
                                      nullptr, nullptr, 0);
    ASSERT_NE(образец, nullptr);
    RECT место{шаблон.место.x, шаблон.место.y, 0, 0};
    MapDialogRect(образец, &место);
    EXPECT_EQ(осмотр.место.x, место.left);
    EXPECT_EQ(осмотр.место.y, место.top);
    for (std::size_t i = 0; i < шаблон.элементы.size(); ++i) {
        const Элемент_шаблона &э = шаблон.элементы[i];
        // The place and the size are each turned into pixels, as the dialog manager does.
        RECT r{э.место.x, э.место.y, э.место.ширина, э.место.высота};
        MapDialogRect(образец, &r);
        r.right += r.left;
        r.bottom += r.top;
        EXPECT_EQ(как_текст(осмотр.места[i]), как_текст(r)) << э.номер;
        EXPECT_EQ(осмотр.тексты[i], в_utf16(э.текст)) << э.номер;
        // The same kind of control as the layer makes for the template's kind.
        Окно &такой = окно.создать_элемент(э.вид, 20000 + э.номер, "", {0, 0, 10, 10});
        wchar_t класс[32]{};
        GetClassNameW(hwnd(такой), класс, 32);
        EXPECT_EQ(CompareStringOrdinal(осмотр.классы[i].c_str(), -1, класс, -1, TRUE), CSTR_EQUAL)
            << э.номер;
        EXPECT_EQ(осмотр.стили[i], сравнимый_стиль(hwnd(такой))) << э.номер;
    }
    DestroyWindow(образец);
}

} // namespace
} // namespace круголет
