// BackBuffer: the view's off-screen bitmap in a memory DC, kept from one paint to the next
// and made again only when the window grows beyond it.
#pragma once

#include <windows.h>

class BackBuffer {
 public:
  BackBuffer() = default;
  ~BackBuffer();
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  // A DC of at least width x height compatible with target; null when none could be made.
  HDC Prepare(HDC target, int width, int height);

 private:
  void Release();

  HDC m_dc = nullptr;
  HBITMAP m_bitmap = nullptr;
  HGDIOBJ m_old = nullptr;
  int m_width = 0;
  int m_height = 0;
};
