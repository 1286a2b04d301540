// Cutting Shift-JIS text to a byte limit without splitting a character.
#pragma once

#include <string>

// The longest prefix of at most maxBytes bytes that does not split a Shift-JIS character.
std::string CutToBytes(const std::string& text, size_t maxBytes);
