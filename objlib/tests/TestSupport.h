// Helpers shared by the library's tests: fonts, byte strings, chains of objects.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ChildProcess.h"
#include "GlobalBlocks.h"
#include "KVObjList.h"
#include "KVProfile.h"
#include "TestFiles.h"
#include "TestProfile.h"

// A Japanese TrueType font, as memos use (mapped to IPA Gothic in the test prefix).
inline LOGFONT JapaneseFont(int height = -16) {
  LOGFONT font = {};
  font.lfHeight = height;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpyA(font.lfFaceName, "ＭＳ ゴシック");
  return font;
}

using Bytes = std::string;

inline Bytes U16(unsigned v) { return Bytes{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }
inline Bytes U32(unsigned v) { return U16(v & 0xFFFF) + U16(v >> 16); }
inline Bytes Segment(unsigned code, const Bytes& body) {
  return U16(code) + U32(static_cast<unsigned>(body.size())) + body;
}
inline Bytes FontBody(const LOGFONT& font) {
  return Bytes(reinterpret_cast<const char*>(&font), sizeof font);
}

// The codes of a chain, for comparing what a reader built.
inline std::vector<unsigned> Codes(LIST* first) {
  std::vector<unsigned> codes;
  for (LIST* node = first; node; node = node->pNext) codes.push_back(node->pObj->m_wCode);
  return codes;
}

// A list whose protected stream reader the tests can call.
class ReadableList : public KVObjList {
 public:
  using KVObjList::DupObject;
  using KVObjList::SegToList;
};
