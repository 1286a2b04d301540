// KVObjChar: one character of a memo (single byte, double-byte Shift-JIS, line break or
// the end marker) with its own colour and font.
#pragma once

#include <cstddef>

#include "KVObject.h"

class KVOBJ_API KVObjChar : public KVObject {
 public:
  KVObjChar();
  KVObjChar(const KVObjChar& other);
  KVObjChar(int code, COLORREF color, const LOGFONT* pFont);
  ~KVObjChar() override;

  void CalcSize(HDC hdc) override;
  void ChangeFont(LOGFONT* pFont) override;
  int GetText(char* pBuf, int nSize, int* pWritten) override;
  int TextLength() override;
  int DataLength() override;
  int GetData(char* pBuf, int nSize, int* pWritten) override;
  void Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bSelected) override;

  // Characters come from a pool (FixedPool.h); a class derived from this one, being of
  // another size, from the heap.
  static void* operator new(std::size_t size);
  static void operator delete(void* p, std::size_t size);

 private:
  void WriteCodeBytes(char* pBuf, int length) const;
};
