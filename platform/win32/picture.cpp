#include "platform/win32/picture.h"

#include <cstdint>
#include <vector>

namespace круголет {

namespace {

// The pictures stand on the classic button-face grey so that they merge with the window's
// background. Where the system paints button faces in another colour, as every Windows since
// XP does, that grey is drawn in the system's colour instead, as the system itself does for
// the 3-D greys of its own bitmaps.
constexpr std::uint32_t классический_серый = 0xC0C0C0;

std::uint32_t точка_dib(COLORREF цвет) {
    return (std::uint32_t{GetRValue(цвет)} << 16) | (std::uint32_t{GetGValue(цвет)} << 8) |
           GetBValue(цвет);
}

} // namespace

void нарисовать_картинку(HDC где, HINSTANCE модуль, int ресурс,
                         const std::function<Прямоугольник(Размер)> &куда) {
    HBITMAP картинка = LoadBitmapW(модуль, MAKEINTRESOURCEW(ресурс));
    if (!картинка)
        return;
    BITMAP описание{};
    GetObjectW(картинка, sizeof описание, &описание);
    const int ширина = описание.bmWidth;
    const int высота = описание.bmHeight;

    BITMAPINFO формат{};
    формат.bmiHeader.biSize = sizeof формат.bmiHeader;
    формат.bmiHeader.biWidth = ширина;
    формат.bmiHeader.biHeight = -высота; // rows from the top
    формат.bmiHeader.biPlanes = 1;
    формат.bmiHeader.biBitCount = 32;
    формат.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> точки(static_cast<std::size_t>(ширина) * высота);
    GetDIBits(где, картинка, 0, высота, точки.data(), &формат, DIB_RGB_COLORS);
    DeleteObject(картинка);

    const std::uint32_t фон = точка_dib(GetSysColor(COLOR_BTNFACE));
    for (auto &точка : точки)
        if ((точка & 0xFFFFFF) == классический_серый)
            точка = фон;

    const Прямоугольник п = куда({ширина, высота});
    // Averaging the pixels keeps a shrunken picture legible; the copy itself stays plain.
    const int прежний_режим = SetStretchBltMode(где, HALFTONE);
    SetBrushOrgEx(где, 0, 0, nullptr);
    StretchDIBits(где, п.лево, п.верх, п.право - п.лево, п.низ - п.верх, 0, 0, ширина, высота,
                  точки.data(), &формат, DIB_RGB_COLORS, SRCCOPY);
    SetStretchBltMode(где, прежний_режим);
}

} // namespace круголет
