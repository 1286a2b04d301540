// One viewer instance: the file it shows and the picture decoded from it.
#pragma once

#include <windows.h>

#include <cstddef>

struct PaneRecord {
  char szFile[260];
  HLOCAL hInfo;  // bitmap header and palette, as the filter hands it over; or 0
  HLOCAL hBits;  // pixel rows; or 0
};
// The classic layout, 268 bytes, where handles are 32 bits.
#if !defined(_WIN64)
static_assert(sizeof(PaneRecord) == 268, "the instance record is 268 bytes");
static_assert(offsetof(PaneRecord, hInfo) == 260 && offsetof(PaneRecord, hBits) == 264,
              "the handles follow the path");
#endif

// hInfo after a decoding that failed: the file is not decoded again until a new instance
// is created for it (the link is reloaded or opened again).
const HLOCAL kDecodeFailed = reinterpret_cast<HLOCAL>(static_cast<INT_PTR>(-1));
