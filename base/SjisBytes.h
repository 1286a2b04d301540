// Shift-JIS byte counting shared by the library and the programs: where a byte string may be
// cut without splitting a double-byte character.
#pragma once

#include <cstddef>

inline bool SjisIsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Length of the longest prefix of the first `length` bytes of text (at most maxBytes) that ends
// on a character boundary; a lead byte with nothing after it counts as one character.
inline size_t SjisCutLength(const char* text, size_t length, size_t maxBytes) {
  size_t pos = 0;
  while (pos < length) {
    size_t step = SjisIsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < length ? 2 : 1;
    if (pos + step > maxBytes) break;
    pos += step;
  }
  return pos;
}
