// How settings values that are more than one number are written: the "%" name lists and
// the numeric fields of a font record. Header-only, shared with the options editor.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// A stored list is names each followed by "%"; empty names are skipped.
inline std::vector<std::string> SplitNameList(const std::string& text) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('%', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) names.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

inline std::string JoinNameList(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += name + "%";
  return text;
}

// A font named N is the key N + "Info" (FormatFontInfo) and the key N + "Fase" (the face).
inline std::string FontInfoKey(const char* name) { return std::string(name) + "Info"; }
inline std::string FontFaceKey(const char* name) { return std::string(name) + "Fase"; }

// The Info value: five long fields in eight hexadecimal digits (two's complement), then eight
// byte fields in two, upper case, separated by commas.
inline std::string FormatFontInfo(const LOGFONTA& font) {
  char info[128];
  std::snprintf(info, sizeof info,
                "%08X,%08X,%08X,%08X,%08X,%02X,%02X,%02X,%02X,%02X,%02X,%02X,%02X",
                static_cast<unsigned>(font.lfHeight), static_cast<unsigned>(font.lfWidth),
                static_cast<unsigned>(font.lfEscapement), static_cast<unsigned>(font.lfOrientation),
                static_cast<unsigned>(font.lfWeight), font.lfItalic, font.lfUnderline,
                font.lfStrikeOut, font.lfCharSet, font.lfOutPrecision, font.lfClipPrecision,
                font.lfQuality, font.lfPitchAndFamily);
  return info;
}

// Fills the numeric fields from an Info value, reading until a field is not followed by a
// comma; the fields missing at the end become 0. The face is left alone.
inline void ParseFontInfo(const char* info, LOGFONTA* font) {
  unsigned long values[13] = {};
  const char* p = info;
  for (unsigned long& value : values) {
    char* end = nullptr;
    value = std::strtoul(p, &end, 16);
    if (end == p || *end != ',') break;
    p = end + 1;
  }
  LONG* longs[] = {&font->lfHeight, &font->lfWidth, &font->lfEscapement, &font->lfOrientation,
                   &font->lfWeight};
  BYTE* bytes[] = {&font->lfItalic,  &font->lfUnderline,     &font->lfStrikeOut,
                   &font->lfCharSet, &font->lfOutPrecision,  &font->lfClipPrecision,
                   &font->lfQuality, &font->lfPitchAndFamily};
  for (int i = 0; i < 5; ++i) *longs[i] = static_cast<LONG>(values[i]);
  for (int i = 0; i < 8; ++i) *bytes[i] = static_cast<BYTE>(values[5 + i]);
}
