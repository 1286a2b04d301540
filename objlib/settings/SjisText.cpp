// Shift-JIS byte-string helpers.
#include "SjisText.h"

#include <cstring>

size_t KVCutLength(const char* text, size_t maxBytes) {
  return SjisCutLength(text, std::strlen(text), maxBytes);
}

bool KVCopyCut(char* dest, size_t size, const char* text) {
  if (size == 0) return false;
  size_t length = KVCutLength(text, size - 1);
  std::memcpy(dest, text, length);
  dest[length] = '\0';
  return text[length] == '\0';
}

bool KVJoin(char* dest, size_t size, const char* first, const char* second) {
  size_t a = std::strlen(first), b = std::strlen(second);
  if (a + b + 1 > size) {
    if (size > 0) dest[0] = '\0';
    return false;
  }
  std::memmove(dest, first, a);
  std::memcpy(dest + a, second, b + 1);
  return true;
}
