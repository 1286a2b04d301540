// Helpers shared by the library's tests: the settings folder, fonts, byte strings.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "KVObjList.h"
#include "KVProfile.h"

// The launcher gives every test program an empty profile; settings writes need the folder.
inline void MakeConfigFolder() {
  CreateDirectoryA(KVGetFolders().app, nullptr);
  CreateDirectoryA(KVGetFolders().config, nullptr);
}

inline void RemoveSettingsFile() { DeleteFileA(KVGetFolders().settings); }

inline std::string ReadSettingsFile() {
  std::string text;
  HANDLE file = CreateFileA(KVGetFolders().settings, GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return text;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read) text.append(buffer, read);
  CloseHandle(file);
  return text;
}

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
