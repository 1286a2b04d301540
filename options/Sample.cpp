// Drawing of the colour and font samples.
#include "Sample.h"

#include <cstring>

void DrawSample(const DRAWITEMSTRUCT& item, const char* text, COLORREF textColor,
                COLORREF backColor, const LOGFONTA* font) {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  HBRUSH back = CreateSolidBrush(backColor);
  FillRect(dc, &rect, back);
  DeleteObject(back);
  DrawEdge(dc, &rect, EDGE_SUNKEN, BF_RECT);
  if (!text || !*text) return;
  HFONT created = font ? CreateFontIndirectA(font) : nullptr;
  HGDIOBJ previous = SelectObject(
      dc,
      created ? created : reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0)));
  SetTextColor(dc, textColor);
  SetBkMode(dc, TRANSPARENT);
  InflateRect(&rect, -2, -2);
  DrawTextA(dc, text, static_cast<int>(std::strlen(text)), &rect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, previous);
  if (created) DeleteObject(created);
}
