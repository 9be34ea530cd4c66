#include "print/win32/progress_window.h"

#include <string_view>
#include <vector>

namespace круголет {

namespace {

// A dialog template built in memory: the window needs no resource of the program's, so the
// print job goes with any program that links it.
class Шаблон_в_памяти {
  public:
    Шаблон_в_памяти(std::wstring_view заголовок, short ширина, short высота, WORD элементов) {
        слово_из_двух(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_CENTER |
                      DS_SETFONT);
        слово_из_двух(0);
        слова_.push_back(элементов);
        место(0, 0, ширина, высота);
        слова_.push_back(0); // no menu
        слова_.push_back(0); // the dialog class
        строка(заголовок);
        слова_.push_back(8);
        строка(L"MS Shell Dlg");
    }

    // A control of a predefined class: 0x0080 a button, 0x0082 a static text.
    void элемент(WORD класс, int номер, DWORD стиль, short x, short y, short ширина, short высота,
                 std::wstring_view текст) {
        if (слова_.size() % 2)
            слова_.push_back(0); // every item starts on a DWORD
        слово_из_двух(WS_CHILD | WS_VISIBLE | стиль);
        слово_из_двух(0);
        место(x, y, ширина, высота);
        слова_.push_back(static_cast<WORD>(номер));
        слова_.push_back(0xFFFF);
        слова_.push_back(класс);
        строка(текст);
        слова_.push_back(0); // no creation data
    }

    const DLGTEMPLATE *данные() const {
        return reinterpret_cast<const DLGTEMPLATE *>(слова_.data());
    }

  private:
    void слово_из_двух(DWORD значение) {
        слова_.push_back(LOWORD(значение));
        слова_.push_back(HIWORD(значение));
    }
    void место(short x, short y, short ширина, short высота) {
        for (short значение : {x, y, ширина, высота})
            слова_.push_back(static_cast<WORD>(значение));
    }
    void строка(std::wstring_view текст) {
        слова_.insert(слова_.end(), текст.begin(), текст.end());
        слова_.push_back(0);
    }

    std::vector<WORD> слова_;
};

constexpr WORD класс_кнопки = 0x0080;
constexpr WORD класс_надписи = 0x0082;

std::wstring текст_страницы(int номер) {
    return L"Печатается страница " + std::to_wstring(номер);
}

} // namespace

Окно_хода_печати::Окно_хода_печати(const std::wstring &заголовок, const std::wstring &принтер)
    : владелец_(GetActiveWindow()) {
    Шаблон_в_памяти шаблон(заголовок, 200, 66, 3);
    шаблон.элемент(класс_надписи, строка_страницы, SS_CENTER, 8, 10, 184, 10, текст_страницы(1));
    шаблон.элемент(класс_надписи, строка_принтера, SS_CENTER | SS_NOPREFIX, 8, 22, 184, 10,
                   L"Принтер: " + принтер);
    шаблон.элемент(класс_кнопки, кнопка_отмены, BS_DEFPUSHBUTTON | WS_TABSTOP, 75, 42, 50, 14,
                   L"Отмена");
    if (владелец_)
        EnableWindow(владелец_, FALSE);
    окно_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), шаблон.данные(), владелец_,
                                       &процедура, reinterpret_cast<LPARAM>(this));
    if (окно_)
        UpdateWindow(окно_);
}

Окно_хода_печати::~Окно_хода_печати() {
    // The owner takes input again before this window goes, so that it becomes the active
    // window instead of some other program's.
    if (владелец_)
        EnableWindow(владелец_, TRUE);
    if (окно_)
        DestroyWindow(окно_);
}

void Окно_хода_печати::показать_страницу(int номер) {
    SetDlgItemTextW(окно_, строка_страницы, текст_страницы(номер).c_str());
    отменено();
}

bool Окно_хода_печати::отменено() {
    MSG сообщение;
    while (!отменено_ && PeekMessageW(&сообщение, nullptr, 0, 0, PM_REMOVE)) {
        if (сообщение.message == WM_QUIT) {
            // The program is being ended: the job goes, and the loop that ends the program
            // gets its quit message back.
            PostQuitMessage(static_cast<int>(сообщение.wParam));
            отменить();
            break;
        }
        if (!окно_ || !IsDialogMessageW(окно_, &сообщение)) {
            TranslateMessage(&сообщение);
            DispatchMessageW(&сообщение);
        }
    }
    return отменено_;
}

void Окно_хода_печати::отменить() {
    отменено_ = true;
    if (!окно_)
        return;
    SetDlgItemTextW(окно_, строка_страницы, L"Печать отменяется...");
    EnableWindow(GetDlgItem(окно_, кнопка_отмены), FALSE);
    UpdateWindow(окно_);
}

INT_PTR CALLBACK Окно_хода_печати::процедура(HWND окно, UINT сообщение, WPARAM w, LPARAM l) {
    switch (сообщение) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(окно, DWLP_USER, l);
        return TRUE;
    case WM_COMMAND:
        // The button, Esc, and closing the window from its frame all come as Cancel.
        if (LOWORD(w) != кнопка_отмены)
            return FALSE;
        if (auto *ход = reinterpret_cast<Окно_хода_печати *>(GetWindowLongPtrW(окно, DWLP_USER)))
            ход->отменить();
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace круголет
