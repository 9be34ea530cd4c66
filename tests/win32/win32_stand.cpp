// The Win32 back end as the window layer's contract sees it, on real windows in this process.
// A modal dialog or an error box runs its own message loop, so what a user does in it comes
// from a timer of this thread, which that loop dispatches.

#include "platform/line_feeds.h"
#include "platform/win32/platform_win32.h"
#include "platform/win32/window_win32.h"
#include "runtime/utf16.h"
#include "tests/win32/program_under_test.h"
#include "tests/window_contract/contract.h"

#include <cstring>
#include <optional>

namespace круголет {
namespace {

HWND hwnd(Окно &окно) {
    return static_cast<Окно_win32 &>(окно).hwnd();
}

WORD код_клавиши(Клавиша клавиша) {
    switch (клавиша) {
    case Клавиша::ввод:
        return VK_RETURN;
    case Клавиша::табуляция:
        return VK_TAB;
    case Клавиша::пробел:
        return VK_SPACE;
    case Клавиша::другая:
        break;
    }
    return VK_F2;
}

// What the thread's queue holds, dispatched as the program's message loop does it.
void обработать_очередь() {
    MSG сообщение;
    while (PeekMessageW(&сообщение, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&сообщение);
        DispatchMessageW(&сообщение);
    }
}

BOOL CALLBACK найти_диалог(HWND окно, LPARAM l) {
    wchar_t класс[16]{};
    GetClassNameW(окно, класс, 16);
    if (!IsWindowVisible(окно) || std::wstring_view(класс) != класс_диалога)
        return TRUE;
    *reinterpret_cast<HWND *>(l) = окно;
    return FALSE;
}

class Стенд_win32 final : public Стенд_платформы {
  public:
    // A window closed by an earlier test leaves its WM_QUIT behind, which would end the next
    // modal loop at once.
    Стенд_win32() { обработать_очередь(); }
    ~Стенд_win32() override {
        if (таймер_)
            KillTimer(nullptr, таймер_);
        текущий = nullptr;
    }

    Платформа &платформа() override { return платформа_; }

    void нажать_клавишу(Окно &элемент, Клавиша клавиша) override {
        const WORD код = код_клавиши(клавиша);
        PostMessageW(hwnd(элемент), WM_KEYDOWN, код, параметр_клавиши(код, false));
        обработать_очередь();
    }

    // The previous-state bit says that the key was down already.
    void повторить_клавишу(Окно &элемент, Клавиша клавиша) override {
        const WORD код = код_клавиши(клавиша);
        PostMessageW(hwnd(элемент), WM_KEYDOWN, код,
                     параметр_клавиши(код, false) | (LPARAM{1} << 30));
        обработать_очередь();
    }

    void отпустить_клавишу(Окно &элемент, Клавиша клавиша) override {
        const WORD код = код_клавиши(клавиша);
        PostMessageW(hwnd(элемент), WM_KEYUP, код, параметр_клавиши(код, true));
        обработать_очередь();
    }

    void набрать(Окно &элемент, std::string_view текст) override {
        for (wchar_t знак : в_utf16(текст)) {
            PostMessageW(hwnd(элемент), WM_CHAR, знак, 1);
            обработать_очередь();
        }
    }

    // As the edit's context menu pastes.
    void вставить(Окно &элемент, std::string_view текст) override {
        const std::wstring строка = в_utf16(текст);
        const std::size_t байтов = (строка.size() + 1) * sizeof(wchar_t);
        HGLOBAL память = GlobalAlloc(GMEM_MOVEABLE, байтов);
        std::memcpy(GlobalLock(память), строка.c_str(), байтов);
        GlobalUnlock(память);
        ASSERT_TRUE(OpenClipboard(hwnd(элемент)));
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, память);
        CloseClipboard();
        SendMessageW(hwnd(элемент), WM_PASTE, 0, 0);
    }

    bool в_фокусе(Окно &элемент) override { return GetFocus() == hwnd(элемент); }

    void в_следующем_диалоге(std::function<void(Окно &)> действие) override {
        действие_ = std::move(действие);
        завести_таймер();
    }

    void закрыть_следующую_ошибку(std::function<void(const std::string &)> прочитано) override {
        прочитано_ = std::move(прочитано);
        завести_таймер();
    }

    void нажать_в_следующем_окне(Клавиша клавиша) override {
        клавиша_ = клавиша;
        завести_таймер();
    }

  private:
    void завести_таймер() {
        текущий = this;
        if (!таймер_)
            таймер_ = SetTimer(nullptr, 0, 50, &по_таймеру);
    }

    static void CALLBACK по_таймеру(HWND, UINT, UINT_PTR, DWORD) {
        if (текущий)
            текущий->действовать_в_окне();
    }

    // A message box keeps its text in the static control 0xFFFF; a dialog of the layer keeps
    // its wrapper where the layer's dialog procedure put it.
    void действовать_в_окне() {
        HWND окно = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &найти_диалог, reinterpret_cast<LPARAM>(&окно));
        if (!окно)
            return;
        KillTimer(nullptr, таймер_);
        таймер_ = 0;
        if (клавиша_) {
            const WORD код = код_клавиши(*клавиша_);
            клавиша_.reset();
            HWND фокус = GetFocus();
            PostMessageW(фокус ? фокус : окно, WM_KEYDOWN, код, параметр_клавиши(код, false));
        } else if (HWND надпись = GetDlgItem(окно, 0xFFFF); надпись && прочитано_) {
            std::wstring текст(GetWindowTextLengthW(надпись) + 1, L'\0');
            текст.resize(GetWindowTextW(надпись, текст.data(), static_cast<int>(текст.size())));
            const auto прочитано = std::move(прочитано_);
            прочитано_ = nullptr;
            прочитано(из_текста_элемента(в_utf8(текст)));
            PostMessageW(окно, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(окно, IDOK)));
        } else if (действие_) {
            const auto действие = std::move(действие_);
            действие_ = nullptr;
            действие(*reinterpret_cast<Окно_win32 *>(GetWindowLongPtrW(окно, DWLP_USER)));
        }
    }

    static inline Стенд_win32 *текущий = nullptr;
    Платформа_win32 платформа_{GetModuleHandleW(nullptr)};
    UINT_PTR таймер_ = 0;
    std::function<void(Окно &)> действие_;
    std::function<void(const std::string &)> прочитано_;
    std::optional<Клавиша> клавиша_;
};

INSTANTIATE_TEST_SUITE_P(Win32, WindowLayerContract,
                         ::testing::Values(Фабрика_платформы{
                             "Win32", [] { return std::make_unique<Стенд_win32>(); }}),
                         имя_стенда);

} // namespace
} // namespace круголет
