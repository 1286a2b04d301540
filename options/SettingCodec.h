// How the options editor's controls are stored in settings values: link and image
// attribute bits, the "%"-terminated name lists and the font's Info key. No windows here.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Link attribute bits the property defaults edit.
const UINT kLinkBorder = 0x00000001;
const UINT kLinkDocName = 0x04000000;
const UINT kLinkHideExt = 0x08000000;
const UINT kLinkHidePath = 0x10000000;
const UINT kLinkFileName = 0x20000000;
const UINT kLinkIcon = 0x40000000;

// One link group's controls; title is the index in its title list.
struct LinkAttrView {
  int title;
  bool showPath;
  bool showExt;
  bool icon;
  bool border;
};

// Only memo links have the third title item (bit 26 together with bit 29).
LinkAttrView DecodeLinkAttr(UINT attr, bool memoLink);
// Every bit the page does not edit is written as 0.
UINT EncodeLinkAttr(const LinkAttrView& view);

// Image defaults: border (bit 0), stretch (bit 31) and keep-aspect (bit 30), nothing else.
struct ImageAttrView {
  bool border;
  bool stretch;
  bool keepAspect;
};
ImageAttrView DecodeImageAttr(UINT attr);
UINT EncodeImageAttr(const ImageAttrView& view);

// A stored list is names each followed by "%"; empty names are skipped.
std::vector<std::string> SplitNameList(const std::string& text);
std::string JoinNameList(const std::vector<std::string>& names);

// The Info key of a font: five long fields in eight hexadecimal digits (two's complement),
// then eight byte fields in two, separated by commas.
std::string FormatFontInfo(const LOGFONTA& font);
// Fills the numeric fields from an Info value; fields missing at the end become 0.
void ParseFontInfo(const std::string& info, LOGFONTA* font);

// The longest prefix of at most maxBytes bytes that does not split a Shift-JIS character.
std::string CutToBytes(const std::string& text, size_t maxBytes);
