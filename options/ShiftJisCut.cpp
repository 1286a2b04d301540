// Shift-JIS cuts for values bound by fixed-size fields (face names).
#include "ShiftJisCut.h"

namespace {

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

}  // namespace

std::string CutToBytes(const std::string& text, size_t maxBytes) {
  size_t pos = 0;
  while (pos < text.size()) {
    size_t step =
        IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
    if (pos + step > maxBytes) break;
    pos += step;
  }
  return text.substr(0, pos);
}
