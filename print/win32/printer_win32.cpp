#include "print/win32/printer_win32.h"

#include "print/win32/progress_window.h"
#include "runtime/utf16.h"

#include <windows.h>
#include <winspool.h>

#include <cwchar>
#include <optional>
#include <string>

namespace круголет {

std::optional<std::wstring> принтер_по_умолчанию() {
    DWORD длина = 0;
    GetDefaultPrinterW(nullptr, &длина);
    if (длина == 0)
        return std::nullopt;
    std::wstring имя(длина, L'\0');
    if (!GetDefaultPrinterW(имя.data(), &длина))
        return std::nullopt;
    имя.resize(std::wcslen(имя.c_str()));
    return имя;
}

namespace {

int разрешение_экрана_по_y() {
    HDC экран = GetDC(nullptr);
    const int разрешение = GetDeviceCaps(экран, LOGPIXELSY);
    ReleaseDC(nullptr, экран);
    return разрешение;
}

// The window of the job that prints now. GDI calls the abort procedure without any data of the
// job's; there is one job at a time, on the window thread.
Окно_хода_печати *окно_печати = nullptr;

// Called by GDI while it spools a page: the window must go on answering meanwhile. It always
// lets GDI go on: a cancel is carried out by the job itself, between pages.
BOOL CALLBACK продолжать_печать(HDC, int) {
    if (окно_печати)
        окно_печати->отменено();
    return TRUE;
}

class Задание_win32 final : public Задание_печати {
  public:
    Задание_win32(HDC dc, const std::wstring &заголовок, const std::wstring &принтер)
        : dc_(dc), окно_(заголовок, принтер) {
        окно_печати = &окно_;
    }

    ~Задание_win32() override {
        // A job dropped unfinished prints nothing.
        if (ход_ == Ход::идет || ход_ == Ход::отменено)
            AbortDoc(dc_);
        окно_печати = nullptr;
        SelectObject(dc_, GetStockObject(SYSTEM_FONT));
        if (шрифт_)
            DeleteObject(шрифт_);
        DeleteDC(dc_);
    }

    Фигуры_принтера фигуры_принтера() override {
        return {GetDeviceCaps(dc_, LOGPIXELSX), GetDeviceCaps(dc_, LOGPIXELSY),
                GetDeviceCaps(dc_, VERTRES), GetDeviceCaps(dc_, HORZRES)};
    }

    int разрешение_экрана() override { return разрешение_экрана_по_y(); }

    // The size is in points of the screen: a character of `размер` × the screen's resolution / 72
    // dots. A negative height asks GDI for that character height, not for the
    // height of the character cell, which has the room for accents over it besides.
    void выбрать_шрифт(std::string_view семейство, int размер) override {
        LOGFONTW описание{};
        описание.lfHeight = -MulDiv(размер, разрешение_экрана_по_y(), 72);
        описание.lfWeight = FW_NORMAL;
        описание.lfCharSet = RUSSIAN_CHARSET;
        описание.lfOutPrecision = OUT_TT_PRECIS;
        const std::wstring имя = в_utf16(семейство);
        имя.copy(описание.lfFaceName, LF_FACESIZE - 1);
        HFONT новый = CreateFontIndirectW(&описание);
        if (!новый)
            return;
        SelectObject(dc_, новый);
        if (шрифт_)
            DeleteObject(шрифт_);
        шрифт_ = новый;
    }

    void начать_страницу() override {
        if (ход_ != Ход::идет)
            return;
        окно_.показать_страницу(++страниц_);
        if (StartPage(dc_) <= 0)
            return сорвано();
        страница_открыта_ = true;
        // Some systems give the page a fresh device context: the font and the alignment are
        // set again on every page.
        if (шрифт_)
            SelectObject(dc_, шрифт_);
        SetTextAlign(dc_, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
        SetBkMode(dc_, TRANSPARENT);
    }

    void нарисовать(int x, int y, std::string_view строка) override {
        if (!страница_открыта_)
            return;
        const std::wstring текст = в_utf16(строка);
        TextOutW(dc_, x, y, текст.data(), static_cast<int>(текст.size()));
    }

    void закончить_страницу() override {
        if (!страница_открыта_)
            return;
        страница_открыта_ = false;
        if (EndPage(dc_) <= 0)
            сорвано();
    }

    bool отменено() override {
        if (ход_ == Ход::идет && окно_.отменено())
            ход_ = Ход::отменено;
        return ход_ != Ход::идет;
    }

    // EndDoc hands the job over: Wine gives it to CUPS there, and fails when CUPS refuses it.
    bool закончить() override {
        const bool прервано = отменено();
        const Ход был = ход_;
        ход_ = Ход::закончено;
        if (!прервано)
            return EndDoc(dc_) > 0;
        if (был == Ход::отменено)
            AbortDoc(dc_);
        // A cancel is the user's wish; a page that failed has ended the job unprinted.
        return был == Ход::отменено;
    }

  private:
    enum class Ход {
        идет,
        отменено,  // by the user: the job is discarded
        сорван,    // a page failed, and GDI has ended the job itself
        закончено, // handed to the printer or discarded
    };

    void сорвано() {
        страница_открыта_ = false;
        ход_ = Ход::сорван;
    }

    HDC dc_;
    Окно_хода_печати окно_;
    HFONT шрифт_ = nullptr;
    Ход ход_ = Ход::идет;
    int страниц_ = 0;
    bool страница_открыта_ = false;
};

} // namespace

std::unique_ptr<Задание_печати> Принтер_win32::начать(std::string_view заголовок) {
    const auto принтер = принтер_по_умолчанию();
    if (!принтер)
        return nullptr;
    HDC dc = CreateDCW(L"WINSPOOL", принтер->c_str(), nullptr, nullptr);
    if (!dc)
        return nullptr;
    SetAbortProc(dc, &продолжать_печать);
    const std::wstring название = в_utf16(заголовок);
    DOCINFOW документ{};
    документ.cbSize = sizeof документ;
    документ.lpszDocName = название.c_str();
    if (StartDocW(dc, &документ) <= 0) {
        DeleteDC(dc);
        return nullptr;
    }
    return std::make_unique<Задание_win32>(dc, название, *принтер);
}

} // namespace круголет
