// Writing an item run of a memo stream: objects with the colour and font segments the
// reader needs to give every object its colour and font back.
#pragma once

#include "KVObjList.h"

// Bytes of the run from first up to (not including) end. A colour segment goes before
// the first object and before every change of colour; a font segment before every change
// of font, the first compared with an all-zero font.
KVOBJ_API int KVRunDataLength(LIST* pFirst, LIST* pEnd);
// Writes the run into pBuf when nSize is at least its length; returns the bytes written,
// or 0 (nothing written) when it does not fit.
KVOBJ_API int KVWriteRun(LIST* pFirst, LIST* pEnd, char* pBuf, int nSize);

// A box's head segment, its code and six 32-bit fields (30 bytes), and its end segment, a
// code with an empty body (6 bytes). Each returns the bytes written, or 0 (nothing
// written) when nSize is too small.
int KVWriteBoxHead(char* pBuf, int nSize, uint16_t code, const uint32_t (&fields)[6]);
int KVWriteBoxTail(char* pBuf, int nSize, uint16_t code);
