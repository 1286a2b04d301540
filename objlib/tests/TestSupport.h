// Helpers shared by the library's tests: the settings folder, fonts, byte strings.
#pragma once

#include <windows.h>

#include <cstring>
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

inline std::string ReadFileBytes(const std::string& path) {
  std::string bytes;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

// The folder of the test program, ending in a backslash: the build puts ImagePane.dll and
// Susie\imgfilt.spi there.
inline std::string ProgramFolder() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  *(std::strrchr(path, '\\') + 1) = '\0';
  return path;
}

inline std::string ReadSettingsFile() { return ReadFileBytes(KVGetFolders().settings); }

// Runs this test program again, in a second process, with only the tests matching filter
// and the environment variable childFlag set; returns its exit code (-1: not started).
inline int RunSelfAsChild(const char* filter, const char* childFlag) {
  char module[MAX_PATH];
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string command = std::string("\"") + module + "\" --gtest_filter=" + filter;
  SetEnvironmentVariableA(childFlag, "1");
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child = {};
  BOOL started = CreateProcessA(module, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                &startup, &child);
  SetEnvironmentVariableA(childFlag, nullptr);
  if (!started) return -1;
  WaitForSingleObject(child.hProcess, INFINITE);
  DWORD exitCode = 1;
  GetExitCodeProcess(child.hProcess, &exitCode);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  return static_cast<int>(exitCode);
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
