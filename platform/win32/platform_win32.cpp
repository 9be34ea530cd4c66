#include "platform/win32/platform_win32.h"

#include "runtime/utf16.h"

namespace круголет {

namespace {

// The 3-D controls library of old Windows: a program registers with it and has it subclass
// its dialogs and controls. Later systems do not have it, and the program goes on without.
using Функция_ctl3d = BOOL(WINAPI *)(HINSTANCE);

Функция_ctl3d функция_ctl3d(HMODULE библиотека, const char *имя) {
    // Through a pointer to a function without arguments, which converts to any other.
    return reinterpret_cast<Функция_ctl3d>(
        reinterpret_cast<void (*)()>(GetProcAddress(библиотека, имя)));
}

} // namespace

Платформа_win32::Платформа_win32(HINSTANCE экземпляр) : экземпляр_(экземпляр) {}

Платформа_win32::~Платформа_win32() {
    // The window's procedure reaches its wrapper, which goes with the platform.
    if (главное_окно_ && главное_окно_->hwnd())
        DestroyWindow(главное_окно_->hwnd());
    if (!ctl3d_)
        return;
    if (auto снять = функция_ctl3d(ctl3d_, "Ctl3dUnregister"))
        снять(экземпляр_);
    FreeLibrary(ctl3d_);
}

void Платформа_win32::включить_объемный_вид() {
    // Only the system's own copy: a DLL of that name beside the program is not trusted.
    ctl3d_ = LoadLibraryExW(L"ctl3d32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!ctl3d_)
        return;
    for (const char *имя : {"Ctl3dRegister", "Ctl3dAutoSubclass"})
        if (auto функция = функция_ctl3d(ctl3d_, имя))
            функция(экземпляр_);
}

Окно &Платформа_win32::создать_главное_окно(std::string_view заголовок, int значок,
                                            Обработчик обработчик,
                                            std::unique_ptr<Данные_окна> данные) {
    WNDCLASSEXW класс{};
    класс.cbSize = sizeof класс;
    класс.lpfnWndProc = &Окно_win32::процедура_окна;
    класс.hInstance = экземпляр_;
    класс.hIcon = LoadIconW(экземпляр_, MAKEINTRESOURCEW(значок));
    класс.hIconSm = static_cast<HICON>(LoadImageW(экземпляр_, MAKEINTRESOURCEW(значок), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXSMICON),
                                                  GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    класс.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    класс.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    класс.lpszClassName = класс_главного_окна;
    RegisterClassExW(&класс);

    // The window is shown maximized and has no maximize box; its restored size is the work
    // area too, so that "Restore" from the system menu leaves the layout whole.
    RECT рабочая{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &рабочая, 0);
    главное_окно_ = std::make_unique<Окно_win32>(*this, nullptr, обработчик, std::move(данные));
    HWND hwnd = CreateWindowExW(0, класс_главного_окна, в_utf16(заголовок).c_str(),
                                WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_DLGFRAME | WS_VISIBLE,
                                рабочая.left, рабочая.top, рабочая.right - рабочая.left,
                                рабочая.bottom - рабочая.top, nullptr, nullptr, экземпляр_,
                                главное_окно_.get());
    ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    // Maximized for good: the system menu offers neither moving nor sizing.
    HMENU меню = GetSystemMenu(hwnd, FALSE);
    DeleteMenu(меню, SC_MOVE, MF_BYCOMMAND);
    DeleteMenu(меню, SC_SIZE, MF_BYCOMMAND);
    UpdateWindow(hwnd);
    return *главное_окно_;
}

int Платформа_win32::цикл_сообщений() {
    MSG сообщение;
    while (GetMessageW(&сообщение, nullptr, 0, 0) > 0) {
        TranslateMessage(&сообщение);
        DispatchMessageW(&сообщение);
    }
    return static_cast<int>(сообщение.wParam);
}

Местное_время Платформа_win32::местное_время() {
    SYSTEMTIME время;
    GetLocalTime(&время);
    return {время.wYear, время.wMonth, время.wDay, время.wHour, время.wMinute};
}

Экран Платформа_win32::экран() {
    HDC экран = GetDC(nullptr);
    const Экран итог{GetDeviceCaps(экран, HORZRES), GetDeviceCaps(экран, VERTRES),
                     GetSystemMetrics(SM_CYCAPTION)};
    ReleaseDC(nullptr, экран);
    return итог;
}

void Платформа_win32::сообщение_об_ошибке(std::string_view заголовок, std::string_view текст) {
    // Owned by the active window, which the system activates again when the box closes; the
    // focus the box took goes back to the control that had it, so typing goes on there.
    HWND фокус = GetFocus();
    MessageBoxW(GetActiveWindow(), в_utf16(текст).c_str(), в_utf16(заголовок).c_str(),
                MB_ICONHAND | MB_OK | MB_TASKMODAL);
    if (фокус && IsWindow(фокус))
        SetFocus(фокус);
}

} // namespace круголет
