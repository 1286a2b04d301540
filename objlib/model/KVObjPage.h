// KVObjPage: the paper and margins a document prints with, stored in its memo file.
#pragma once

#include <cstdint>

#include "KVObject.h"

#pragma pack(push, 1)
struct PAGESIZE {
  int16_t nOrientation;  // 1 portrait, 2 landscape
  int16_t nPaperSize;    // printer paper code; 9 is A4
  int16_t nPaperLength;  // tenths of a millimetre
  int16_t nPaperWidth;
  int32_t nTop;          // margins in hundredths of a millimetre
  int32_t nBottom;
  int32_t nLeft;
  int32_t nRight;
};
#pragma pack(pop)
static_assert(sizeof(PAGESIZE) == 24, "PAGESIZE is a packed 24-byte record");

class KVOBJ_API KVObjPage : public KVObject {
 public:
  // The defaults of the "PAGE" settings; a new page is clean.
  KVObjPage();
  KVObjPage(const KVObjPage& other);
  ~KVObjPage() override;

  void SetPageSize(int orientation, int paperSize, int length, int width, int left, int top,
                   int right, int bottom);
  void SetPageSize(const PAGESIZE* pSize);
  void GetPageSize(PAGESIZE* pSize) const;
};
