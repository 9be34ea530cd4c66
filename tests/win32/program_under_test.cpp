#include "tests/win32/program_under_test.h"

#include "platform/line_feeds.h"
#include "platform/win32/platform_win32.h"
#include "runtime/utf16.h"

#include <stdexcept>
#include <thread>

namespace круголет {

namespace {

struct Поиск_окна {
    DWORD процесс;
    const wchar_t *класс;
    std::wstring_view заголовок;
    HWND найдено = nullptr;
};

BOOL CALLBACK проверить_окно(HWND окно, LPARAM l) {
    auto &поиск = *reinterpret_cast<Поиск_окна *>(l);
    DWORD процесс = 0;
    GetWindowThreadProcessId(окно, &процесс);
    wchar_t класс[64]{};
    GetClassNameW(окно, класс, 64);
    if (процесс != поиск.процесс || std::wstring_view(класс) != поиск.класс)
        return TRUE;
    wchar_t заголовок[256]{};
    GetWindowTextW(окно, заголовок, 256);
    if (!поиск.заголовок.empty() && поиск.заголовок != заголовок)
        return TRUE;
    поиск.найдено = окно;
    return FALSE;
}

std::wstring полный_путь(const std::wstring &программа) {
    wchar_t путь[MAX_PATH];
    GetFullPathNameW(программа.c_str(), MAX_PATH, путь, nullptr);
    return путь;
}

} // namespace

LPARAM параметр_клавиши(WORD клавиша, bool отпущена) {
    const LPARAM скан = MapVirtualKeyW(клавиша, MAPVK_VK_TO_VSC);
    return 1 | (скан << 16) | (отпущена ? (LPARAM{1} << 30) | (LPARAM{1} << 31) : 0);
}

Программа_под_тестом::Программа_под_тестом(const std::wstring &каталог,
                                           const std::wstring &программа) {
    const std::wstring путь = полный_путь(программа);
    std::wstring строка = L"\"" + путь + L"\"";
    wchar_t полный_каталог[MAX_PATH];
    GetFullPathNameW(каталог.c_str(), MAX_PATH, полный_каталог, nullptr);
    STARTUPINFOW запуск{};
    запуск.cb = sizeof запуск;
    if (!CreateProcessW(путь.c_str(), строка.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        полный_каталог, &запуск, &процесс_))
        throw std::runtime_error("krugolet.exe does not start");
    главное_ = дождаться_окна(класс_главного_окна, {});
    // Made with its controls once it is shown maximized, or stopped in its making by a
    // message; then settled, so that nothing moves while a test looks.
    if (!главное_ || !дождаться([this] {
            return (IsWindowVisible(главное_) && IsZoomed(главное_)) ||
                   дождаться_окна(класс_диалога, {}, std::chrono::milliseconds(0));
        })) {
        TerminateProcess(процесс_.hProcess, 1);
        throw std::runtime_error("krugolet.exe shows no main window");
    }
    WaitForInputIdle(процесс_.hProcess, 10000);
}

std::optional<DWORD> Программа_под_тестом::закрыть() {
    закрыта_ = true;
    PostMessageW(главное_, WM_CLOSE, 0, 0);
    std::optional<DWORD> код;
    if (WaitForSingleObject(процесс_.hProcess, 10000) == WAIT_OBJECT_0) {
        DWORD значение = 0;
        GetExitCodeProcess(процесс_.hProcess, &значение);
        код = значение;
    } else {
        TerminateProcess(процесс_.hProcess, 1);
        WaitForSingleObject(процесс_.hProcess, 10000);
    }
    CloseHandle(процесс_.hThread);
    CloseHandle(процесс_.hProcess);
    return код;
}

Программа_под_тестом::~Программа_под_тестом() {
    if (!закрыта_)
        закрыть();
}

HWND Программа_под_тестом::фокус() const {
    GUITHREADINFO сведения{};
    сведения.cbSize = sizeof сведения;
    GetGUIThreadInfo(GetWindowThreadProcessId(главное_, nullptr), &сведения);
    return сведения.hwndFocus;
}

HWND Программа_под_тестом::активное_окно() const {
    GUITHREADINFO сведения{};
    сведения.cbSize = sizeof сведения;
    GetGUIThreadInfo(GetWindowThreadProcessId(главное_, nullptr), &сведения);
    return сведения.hwndActive;
}

std::wstring Программа_под_тестом::текст(HWND окно) const {
    return текст_окна(окно);
}

std::wstring текст_окна(HWND окно) {
    // WM_GETTEXT, not GetWindowTextW: for a window of another process the latter gives the
    // window's name, not what the user typed into it.
    const auto длина = SendMessageW(окно, WM_GETTEXTLENGTH, 0, 0);
    std::wstring текст(static_cast<std::size_t>(длина) + 1, L'\0');
    текст.resize(static_cast<std::size_t>(
        SendMessageW(окно, WM_GETTEXT, текст.size(), reinterpret_cast<LPARAM>(текст.data()))));
    return текст;
}

void Программа_под_тестом::ввести(int номер, std::wstring_view текст) const {
    HWND поле = элемент(номер);
    SendMessageW(поле, EM_SETSEL, 0, -1);
    // The character of a key press is posted behind whatever is queued already; a user's next
    // key comes after it, so the next key waits until this one's character is in the field.
    for (std::size_t i = 0; i < текст.size(); ++i) {
        нажать_клавишу(поле, LOBYTE(VkKeyScanW(текст[i])));
        дождаться([&] { return this->текст(поле) == текст.substr(0, i + 1); });
    }
}

void Программа_под_тестом::нажать_клавишу(HWND окно, WORD клавиша) const {
    PostMessageW(окно, WM_KEYDOWN, клавиша, параметр_клавиши(клавиша, false));
    PostMessageW(окно, WM_KEYUP, клавиша, параметр_клавиши(клавиша, true));
}

void Программа_под_тестом::щелкнуть(HWND кнопка) const {
    PostMessageW(кнопка, BM_CLICK, 0, 0);
}

HWND Программа_под_тестом::дождаться_окна(const wchar_t *класс, std::wstring_view заголовок,
                                          std::chrono::milliseconds срок) const {
    return дождаться_окна_процесса(процесс_.dwProcessId, класс, заголовок, срок);
}

HWND дождаться_окна_процесса(DWORD процесс, const wchar_t *класс, std::wstring_view заголовок,
                             std::chrono::milliseconds срок) {
    Поиск_окна поиск{процесс, класс, заголовок};
    Программа_под_тестом::дождаться(
        [&] {
            EnumWindows(&проверить_окно, reinterpret_cast<LPARAM>(&поиск));
            return поиск.найдено != nullptr;
        },
        срок);
    return поиск.найдено;
}

bool Программа_под_тестом::дождаться(const std::function<bool()> &условие,
                                     std::chrono::milliseconds срок) {
    const auto конец = std::chrono::steady_clock::now() + срок;
    while (!условие()) {
        if (std::chrono::steady_clock::now() > конец)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::wstring как_в_элементе(std::string_view текст) {
    return в_utf16(в_текст_элемента(текст));
}

} // namespace круголет
