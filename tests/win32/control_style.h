#pragma once

#include <windows.h>

namespace круголет {

// A control's style as it was created, up to two changes the controls make themselves: an
// edit control draws a WS_BORDER itself and drops the bit (or trades it for
// WS_EX_CLIENTEDGE), and Wine's multi-line edit with a scroll bar takes ES_AUTOVSCROLL
// whether asked for or not. WS_CHILD and WS_VISIBLE every control has.
inline DWORD сравнимый_стиль(DWORD стиль) {
    стиль &= ~(WS_CHILD | WS_VISIBLE | WS_BORDER);
    if ((стиль & ES_MULTILINE) && (стиль & WS_VSCROLL))
        стиль |= ES_AUTOVSCROLL;
    return стиль;
}

inline DWORD сравнимый_стиль(HWND элемент) {
    return сравнимый_стиль(static_cast<DWORD>(GetWindowLongW(элемент, GWL_STYLE)));
}

} // namespace круголет
