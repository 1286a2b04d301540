// Naming recovery copies, their side records, and telling live owners from dead ones.
#include "RecoveryNames.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "KVProfile.h"
#include "ScopedHandle.h"
#include "SjisBytes.h"

namespace {

const char kSideMagic[] = "KVMemoRecovery 1";

// FNV-1a over the path with single-byte letters upper-cased: two spellings that differ only
// in case name one file, as the file system compares them.
ULONGLONG FoldedPathHash(const char* path) {
  ULONGLONG hash = 14695981039346656037ULL;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(path); *p; ++p) {
    unsigned char byte = *p;
    if (SjisIsLeadByte(byte) && p[1]) {
      hash = (hash ^ byte) * 1099511628211ULL;
      byte = *++p;
    } else if (byte >= 'a' && byte <= 'z') {
      byte = static_cast<unsigned char>(byte - 'a' + 'A');
    }
    hash = (hash ^ byte) * 1099511628211ULL;
  }
  return hash;
}

std::string Hex(ULONGLONG value, int digits) {
  char text[24];
  std::snprintf(text, sizeof text, "%0*llX", digits, value);
  return text;
}

ULONGLONG FileTimeValue(const FILETIME& time) {
  return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

std::string BaseName(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The text's lines, each without its line end.
std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// The value of a "name=" line (it may be empty).
bool TakeValue(const std::string& line, const char* name, std::string* value) {
  const size_t length = std::strlen(name);
  if (line.compare(0, length, name) != 0 || line.size() <= length || line[length] != '=')
    return false;
  *value = line.substr(length + 1);
  return true;
}

}  // namespace

std::string RecoveryKey(const char* memoPath, const RecoveryOwner& owner) {
  std::string memo = memoPath && memoPath[0] ? Hex(FoldedPathHash(memoPath), 16) : "new";
  return memo + "-" + Hex(owner.pid, 8) + "-" + Hex(owner.started, 16);
}

std::string FormatRecoverySide(const RecoverySide& side) {
  char numbers[128];
  std::snprintf(numbers, sizeof numbers, "\r\nOwner=%lu %llu\r\nDisk=%d %llu %llu\r\n",
                static_cast<unsigned long>(side.owner.pid),
                static_cast<unsigned long long>(side.owner.started), side.diskStamp.exists ? 1 : 0,
                static_cast<unsigned long long>(side.diskStamp.size),
                static_cast<unsigned long long>(FileTimeValue(side.diskStamp.written)));
  return std::string(kSideMagic) + "\r\nPath=" + side.memoPath + numbers;
}

bool ParseRecoverySide(const std::string& text, RecoverySide* side) {
  const std::vector<std::string> lines = LinesOf(text);
  std::string path, owner, disk;
  if (lines.size() < 4 || lines[0].compare(0, sizeof kSideMagic - 1, kSideMagic) != 0) return false;
  if (!TakeValue(lines[1], "Path", &path) || !TakeValue(lines[2], "Owner", &owner) ||
      !TakeValue(lines[3], "Disk", &disk) || path.size() >= MAX_PATH)
    return false;
  RecoverySide read;
  read.memoPath = path;
  unsigned long pid = 0;
  unsigned long long started = 0, size = 0, written = 0;
  int exists = 0;
  char extra = 0;
  if (std::sscanf(owner.c_str(), "%lu %llu %c", &pid, &started, &extra) != 2 ||
      std::sscanf(disk.c_str(), "%d %llu %llu %c", &exists, &size, &written, &extra) != 3 ||
      pid == 0 || (exists != 0 && exists != 1))
    return false;
  read.owner = {static_cast<DWORD>(pid), started};
  read.diskStamp.exists = exists == 1;
  read.diskStamp.size = size;
  read.diskStamp.written = {static_cast<DWORD>(written), static_cast<DWORD>(written >> 32)};
  *side = read;
  return true;
}

bool IsOwnerRunning(const RecoveryOwner& owner, const ProcessFacts& facts,
                    const char* ownProgram) {
  if (!facts.alive || lstrcmpiA(facts.imageName.c_str(), ownProgram) != 0) return false;
  return owner.started == 0 || facts.started == 0 || owner.started == facts.started;
}

RecoveryOwner OwnerOf(HANDLE process, DWORD pid) {
  FILETIME created, exited, kernel, user;
  RecoveryOwner owner;
  owner.pid = pid;
  if (GetProcessTimes(process, &created, &exited, &kernel, &user))
    owner.started = FileTimeValue(created);
  return owner;
}

RecoveryOwner CurrentRecoveryOwner() { return OwnerOf(GetCurrentProcess(), GetCurrentProcessId()); }

ProcessFacts ProbeProcess(DWORD pid) {
  ProcessFacts facts;
  ScopedHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
  DWORD exitCode = 0;
  if (!process.IsOpen() || !GetExitCodeProcess(process.Get(), &exitCode) ||
      exitCode != STILL_ACTIVE)
    return facts;
  facts.alive = true;
  facts.started = OwnerOf(process.Get(), pid).started;
  char image[MAX_PATH] = "";
  DWORD size = sizeof image;
  if (QueryFullProcessImageNameA(process.Get(), 0, image, &size)) facts.imageName = BaseName(image);
  return facts;
}

std::string OwnProgramName() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  return BaseName(path);
}

std::string RecoveryFolder() {
  const char* config = KVGetFolders().config;
  return config[0] ? std::string(config) + "\\Recovery\\" : std::string();
}
