#include "platform/win32/window_win32.h"

#include "platform/line_feeds.h"
#include "platform/win32/control_kinds.h"
#include "platform/win32/picture.h"
#include "platform/win32/platform_win32.h"
#include "runtime/utf16.h"

namespace круголет {

namespace {

Клавиша клавиша_слоя(WPARAM код) {
    switch (код) {
    case VK_RETURN:
        return Клавиша::ввод;
    case VK_TAB:
        return Клавиша::табуляция;
    case VK_SPACE:
        return Клавиша::пробел;
    default:
        return Клавиша::другая;
    }
}

Прямоугольник из_rect(const RECT &r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The event a message of a main window or a dialog is to its handler.
Событие событие_окна(UINT сообщение, WPARAM w) {
    switch (сообщение) {
    case WM_CREATE:
        return {Вид_события::создание};
    case WM_ACTIVATE:
        return {LOWORD(w) == WA_INACTIVE ? Вид_события::прочее : Вид_события::активация};
    case WM_PAINT:
        return {Вид_события::перерисовка};
    case WM_COMMAND:
        return {Вид_события::команда, LOWORD(w)};
    default:
        return {Вид_события::прочее};
    }
}

Окно_win32 *окно_из(HWND hwnd, int где) {
    return reinterpret_cast<Окно_win32 *>(GetWindowLongPtrW(hwnd, где));
}

} // namespace

Окно_win32::Окно_win32(Платформа_win32 &платформа, Окно_win32 *родитель, Обработчик обработчик,
                       std::unique_ptr<Данные_окна> данные)
    : платформа_(платформа), родитель_(родитель), обработчик_(обработчик),
      данные_(std::move(данные)) {}

Платформа &Окно_win32::платформа() {
    return платформа_;
}

Окно &Окно_win32::создать_элемент(Вид_элемента вид, int номер, std::string_view текст,
                                  Прямоугольник место) {
    const auto [класс, стиль] = класс_элемента(вид);
    HWND элемент = CreateWindowExW(
        0, класс, в_utf16(в_текст_элемента(текст)).c_str(), WS_CHILD | WS_VISIBLE | стиль,
        место.лево, место.верх, место.право - место.лево, место.низ - место.верх, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(номер)), платформа_.экземпляр(), nullptr);
    return обернуть(элемент);
}

Окно *Окно_win32::элемент(int номер) {
    HWND элемент = GetDlgItem(hwnd_, номер);
    return элемент ? &обернуть(элемент) : nullptr;
}

Окно_win32 &Окно_win32::обернуть(HWND элемент) {
    auto &обертка = элементы_[элемент];
    if (!обертка) {
        обертка = std::make_unique<Окно_win32>(платформа_, this, nullptr, nullptr);
        обертка->hwnd_ = элемент;
    }
    return *обертка;
}

void Окно_win32::установить_текст(std::string_view текст) {
    SetWindowTextW(hwnd_, в_utf16(в_текст_элемента(текст)).c_str());
}

std::string Окно_win32::текст() {
    std::wstring текст(GetWindowTextLengthW(hwnd_) + 1, L'\0');
    текст.resize(GetWindowTextW(hwnd_, текст.data(), static_cast<int>(текст.size())));
    return из_текста_элемента(в_utf8(текст));
}

void Окно_win32::переместить(Прямоугольник место) {
    MoveWindow(hwnd_, место.лево, место.верх, место.право - место.лево, место.низ - место.верх,
               TRUE);
}

Прямоугольник Окно_win32::внешний_прямоугольник() {
    RECT r;
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT *>(&r), 2);
    return из_rect(r);
}

Прямоугольник Окно_win32::клиентская_область() {
    RECT r;
    GetClientRect(hwnd_, &r);
    return из_rect(r);
}

Размер Окно_win32::размер_текста(std::string_view текст) {
    HDC dc = GetDC(hwnd_);
    auto шрифт = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    HGDIOBJ прежний = шрифт ? SelectObject(dc, шрифт) : nullptr;
    const std::wstring строка = в_utf16(текст);
    SIZE размер{};
    GetTextExtentPoint32W(dc, строка.c_str(), static_cast<int>(строка.size()), &размер);
    if (прежний)
        SelectObject(dc, прежний);
    ReleaseDC(hwnd_, dc);
    return {размер.cx, размер.cy};
}

void Окно_win32::залить_фоном() {
    if (!рисование_)
        return;
    RECT r;
    GetClientRect(hwnd_, &r);
    FillRect(рисование_, &r, GetSysColorBrush(COLOR_BTNFACE));
}

void Окно_win32::нарисовать_картинку(int ресурс, const std::function<Прямоугольник(Размер)> &куда) {
    if (рисование_)
        круголет::нарисовать_картинку(рисование_, платформа_.экземпляр(), ресурс, куда);
}

void Окно_win32::перехватить_события(Обработчик обработчик) {
    обработчик_ = обработчик;
    if (своя_процедура_)
        return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    своя_процедура_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&процедура_элемента)));
}

void Окно_win32::нажать(int номер) {
    SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(номер, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd_, номер)));
}

void Окно_win32::установить_фокус() {
    SetFocus(hwnd_);
}

void Окно_win32::установить_значок(int ресурс) {
    HINSTANCE экземпляр = платформа_.экземпляр();
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconW(экземпляр, MAKEINTRESOURCEW(ресурс))));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadImageW(экземпляр, MAKEINTRESOURCEW(ресурс),
                                                     IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                     GetSystemMetrics(SM_CYSMICON), LR_SHARED)));
}

void Окно_win32::открыть_диалог(const Шаблон_диалога &шаблон, Обработчик обработчик) {
    Окно_win32 диалог(платформа_, this, обработчик, nullptr);
    // The system activates the owner again, but the focus goes back to a control only in a
    // dialog: the owner's field gets it back here.
    HWND фокус = GetFocus();
    DialogBoxParamW(платформа_.экземпляр(), MAKEINTRESOURCEW(шаблон.ресурс), hwnd_,
                    &процедура_диалога, reinterpret_cast<LPARAM>(&диалог));
    if (фокус && IsWindow(фокус))
        SetFocus(фокус);
}

void Окно_win32::закрыть_диалог() {
    EndDialog(hwnd_, 0);
}

std::optional<LRESULT> Окно_win32::передать(UINT сообщение, WPARAM w) {
    const Событие событие = событие_окна(сообщение, w);
    if (событие.вид != Вид_события::перерисовка)
        return обработчик_(*this, событие) == обработано ? std::optional<LRESULT>(0) : std::nullopt;
    // The repaint draws everything, whatever part was invalid; the layer owns the paint cycle.
    PAINTSTRUCT покраска;
    рисование_ = BeginPaint(hwnd_, &покраска);
    обработчик_(*this, событие);
    рисование_ = nullptr;
    EndPaint(hwnd_, &покраска);
    return 0;
}

LRESULT CALLBACK Окно_win32::процедура_окна(HWND hwnd, UINT сообщение, WPARAM w, LPARAM l) {
    if (сообщение == WM_NCCREATE) {
        auto *окно =
            static_cast<Окно_win32 *>(reinterpret_cast<CREATESTRUCTW *>(l)->lpCreateParams);
        окно->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(окно));
    }
    Окно_win32 *окно = окно_из(hwnd, GWLP_USERDATA);
    if (окно) {
        if (const auto итог = окно->передать(сообщение, w))
            return *итог;
    }
    // Closing the main window ends the program.
    if (сообщение == WM_DESTROY)
        PostQuitMessage(0);
    if (сообщение == WM_NCDESTROY && окно)
        окно->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, сообщение, w, l);
}

INT_PTR CALLBACK Окно_win32::процедура_диалога(HWND hwnd, UINT сообщение, WPARAM w, LPARAM l) {
    if (сообщение == WM_INITDIALOG) {
        auto *диалог = reinterpret_cast<Окно_win32 *>(l);
        диалог->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, l);
        return TRUE;
    }
    Окно_win32 *диалог = окно_из(hwnd, DWLP_USER);
    if (!диалог)
        return FALSE;
    if (const auto итог = диалог->передать(сообщение, w)) {
        SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, *итог);
        return TRUE;
    }
    // The dialog's close box and Escape ask for IDCANCEL; a dialog that does not answer it
    // itself is closed, as the system menu promises.
    if (сообщение == WM_COMMAND && LOWORD(w) == IDCANCEL) {
        EndDialog(hwnd, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

// A key held down repeats its WM_KEYDOWN with the previous-state bit set: only the first one
// is its press.
Событие Окно_win32::событие_элемента(UINT сообщение, WPARAM w, LPARAM l) {
    const bool клавиша = w < нажатые_.size();
    switch (сообщение) {
    case WM_KEYDOWN:
        if (клавиша && (l & (LPARAM{1} << 30)) == 0)
            нажатые_.set(w);
        break;
    case WM_KEYUP:
        if (клавиша && нажатые_.test(w)) {
            нажатые_.reset(w);
            return {Вид_события::отпускание_клавиши, 0, клавиша_слоя(w)};
        }
        break;
    case WM_KILLFOCUS:
        нажатые_.reset();
        break;
    }
    return {Вид_события::прочее};
}

LRESULT CALLBACK Окно_win32::процедура_элемента(HWND hwnd, UINT сообщение, WPARAM w, LPARAM l) {
    Окно_win32 *элемент = окно_из(hwnd, GWLP_USERDATA);
    const Событие событие = элемент->событие_элемента(сообщение, w, l);
    if (элемент->обработчик_(*элемент, событие) == обработано)
        return 0;
    return CallWindowProcW(элемент->своя_процедура_, hwnd, сообщение, w, l);
}

} // namespace круголет
