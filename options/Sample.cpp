// Drawing of the colour and font samples.
#include "Sample.h"

#include <cstring>

#include "ScopedGdi.h"

namespace {

void FillBack(HDC dc, const RECT& rect, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

}  // namespace

void DrawSample(const DRAWITEMSTRUCT& item, const char* text, COLORREF textColor,
                COLORREF backColor, const LOGFONTA* font) {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  FillBack(dc, rect, backColor);
  DrawEdge(dc, &rect, EDGE_SUNKEN, BF_RECT);
  if (!text || !*text) return;
  ScopedFont created(font ? CreateFontIndirectA(font) : nullptr);
  HGDIOBJ shown = created.Get()
                      ? created.Get()
                      : reinterpret_cast<HGDIOBJ>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
  ScopedSelect select(dc, shown);
  SetTextColor(dc, textColor);
  SetBkMode(dc, TRANSPARENT);
  InflateRect(&rect, -2, -2);
  DrawTextA(dc, text, static_cast<int>(std::strlen(text)), &rect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
