// Conversions through UTF-16, as the system converts.
#include "TextCodec.h"

#include <windows.h>

namespace {

std::wstring Wide(UINT codePage, const std::string& text) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) MultiByteToWideChar(codePage, 0, text.data(), size, &wide[0], length);
  return wide;
}

std::string Narrow(UINT codePage, const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length > 0 ? length : 0), '\0');
  if (length > 0)
    WideCharToMultiByte(codePage, 0, wide.data(), size, &text[0], length, nullptr, nullptr);
  return text;
}

}  // namespace

std::string Utf8FromSjis(const std::string& sjis) { return Narrow(CP_UTF8, Wide(932, sjis)); }

std::string SjisFromUtf8(const std::string& utf8) { return Narrow(932, Wide(CP_UTF8, utf8)); }

size_t Utf8Length(const std::string& utf8) {
  size_t count = 0;
  for (unsigned char byte : utf8)
    if ((byte & 0xC0) != 0x80) ++count;
  return count;
}
