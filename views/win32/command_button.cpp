#include "command_button.h"

#include "wide_text.h"

#include <string>

namespace kelvaro::win32 {

WPARAM keepOwnerDrawn(WPARAM style)
{
    return (style & ~WPARAM {BS_TYPEMASK}) | BS_OWNERDRAW;
}

void drawCommandButton(const DRAWITEMSTRUCT &item, HBRUSH fill, COLORREF text)
{
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;

    FillRect(dc, &rect, fill);
    if (focused) { // the default button's dark outer frame
        SetDCBrushColor(dc, text);
        FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        InflateRect(&rect, -1, -1);
    }
    DrawEdge(dc, &rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    RECT textRect = rect;
    if (pressed)
        OffsetRect(&textRect, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    std::wstring caption = windowText(item.hwndItem);
    DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &textRect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    if (focused) {
        InflateRect(&rect, -3, -3);
        DrawFocusRect(dc, &rect);
    }
}

} // namespace kelvaro::win32
