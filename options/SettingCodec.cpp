// Attribute bits, name lists and font fields as the settings file stores them.
#include "SettingCodec.h"

#include <cstdio>
#include <cstdlib>

namespace {

const UINT kImageBorder = 0x00000001;
const UINT kImageKeepAspect = 0x40000000;
const UINT kImageStretch = 0x80000000;

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

}  // namespace

LinkAttrView DecodeLinkAttr(UINT attr, bool memoLink) {
  LinkAttrView view = {};
  if (attr & kLinkFileName) view.title = memoLink && (attr & kLinkDocName) ? 2 : 1;
  view.showPath = !(attr & kLinkHidePath);
  view.showExt = !(attr & kLinkHideExt);
  view.icon = (attr & kLinkIcon) != 0;
  view.border = (attr & kLinkBorder) != 0;
  return view;
}

UINT EncodeLinkAttr(const LinkAttrView& view) {
  UINT attr = 0;
  if (view.title >= 1) attr |= kLinkFileName;
  if (view.title == 2) attr |= kLinkDocName;
  if (!view.showPath) attr |= kLinkHidePath;
  if (!view.showExt) attr |= kLinkHideExt;
  if (view.icon) attr |= kLinkIcon;
  if (view.border) attr |= kLinkBorder;
  return attr;
}

ImageAttrView DecodeImageAttr(UINT attr) {
  return {(attr & kImageBorder) != 0, (attr & kImageStretch) != 0, (attr & kImageKeepAspect) != 0};
}

UINT EncodeImageAttr(const ImageAttrView& view) {
  return (view.border ? kImageBorder : 0) | (view.stretch ? kImageStretch : 0) |
         (view.keepAspect ? kImageKeepAspect : 0);
}

std::vector<std::string> SplitNameList(const std::string& text) {
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

std::string JoinNameList(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += name + "%";
  return text;
}

std::string FormatFontInfo(const LOGFONTA& font) {
  const LONG longs[] = {font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation,
                        font.lfWeight};
  const BYTE bytes[] = {font.lfItalic,  font.lfUnderline,     font.lfStrikeOut,
                        font.lfCharSet, font.lfOutPrecision,  font.lfClipPrecision,
                        font.lfQuality, font.lfPitchAndFamily};
  std::string info;
  char field[16];
  for (LONG value : longs) {
    std::snprintf(field, sizeof field, "%08X,", static_cast<unsigned>(value));
    info += field;
  }
  for (BYTE value : bytes) {
    std::snprintf(field, sizeof field, "%02X,", static_cast<unsigned>(value));
    info += field;
  }
  info.pop_back();
  return info;
}

void ParseFontInfo(const std::string& info, LOGFONTA* font) {
  unsigned long values[13] = {};
  const char* p = info.c_str();
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
