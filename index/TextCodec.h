// Shift-JIS (code page 932, the memos' encoding) to UTF-8 (the index's) and back.
#pragma once

#include <string>

std::string Utf8FromSjis(const std::string& sjis);
std::string SjisFromUtf8(const std::string& utf8);
// The number of characters (code points) in a UTF-8 text.
size_t Utf8Length(const std::string& utf8);
