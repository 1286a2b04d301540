// Renders a document through its own Draw into a DIB section and writes it as a .bmp file.
#include "Render.h"

#include <cstdio>

#include "KVFont.h"
#include "KVPaintPass.h"

namespace {

const int kViewWidth = 640;

bool WriteBitmap(const char* path, const BITMAPINFOHEADER& header, const void* bits) {
  const DWORD imageSize = header.biSizeImage;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + imageSize;
  FILE* out = std::fopen(path, "wb");
  if (!out) return false;
  bool ok = std::fwrite(&file, sizeof file, 1, out) == 1 &&
            std::fwrite(&header, sizeof header, 1, out) == 1 &&
            std::fwrite(bits, imageSize, 1, out) == 1;
  return std::fclose(out) == 0 && ok;
}

}  // namespace

bool RenderToBitmapFile(KVDocText& doc, const char* path) {
  doc.SetSize(CSize(kViewWidth, 100));
  const int height = doc.Box()->cy > 0 ? doc.Box()->cy : 1;
  doc.SetSize(CSize(kViewWidth, height));
  BITMAPINFO info = {};
  BITMAPINFOHEADER& header = info.bmiHeader;
  header = {sizeof header, kViewWidth, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  header.biSizeImage = ((kViewWidth * 3 + 3) & ~3) * height;
  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) {
    DeleteDC(dc);
    return false;
  }
  HGDIOBJ old = SelectObject(dc, bitmap);
  SetBkMode(dc, TRANSPARENT);
  {
    CDC cdc(dc);
    KVPaintPass pass(&cdc, 0, g_DefaultFont);
    doc.Draw(pass.Info(), CPoint(0, 0), CRect(0, 0, kViewWidth, height), true);
  }
  GdiFlush();
  bool written = WriteBitmap(path, header, bits);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return written;
}
