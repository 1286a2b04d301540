// The shell's small icons of files, asked once for each source and kept for the process.
#include "FileIcons.h"

#include <shellapi.h>

#include <map>
#include <string>

namespace {

// Enough for every link a person keeps in view; past it the kept icons start over.
const size_t kMostKept = 512;

SRWLOCK g_lock = SRWLOCK_INIT;

std::map<std::string, HICON>& Kept() {
  static std::map<std::string, HICON> icons;
  return icons;
}

// The same file named in other letter cases is asked again; it costs one more answer.
std::string KeyOf(const char* source, bool byName) {
  return std::string(byName ? "n:" : "f:") + source;
}

}  // namespace

HICON CopyFileIcon(const char* source, bool byName) {
  const std::string key = KeyOf(source, byName);
  AcquireSRWLockExclusive(&g_lock);
  auto found = Kept().find(key);
  HICON copy = found == Kept().end() ? nullptr : CopyIcon(found->second);
  ReleaseSRWLockExclusive(&g_lock);
  if (copy) return copy;

  SHFILEINFOA info = {};
  if (!SHGetFileInfoA(source, FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                      SHGFI_ICON | SHGFI_SMALLICON | (byName ? SHGFI_USEFILEATTRIBUTES : 0)) ||
      !info.hIcon)
    return nullptr;
  copy = CopyIcon(info.hIcon);
  AcquireSRWLockExclusive(&g_lock);
  std::map<std::string, HICON>& kept = Kept();
  if (kept.size() >= kMostKept) {
    for (auto& entry : kept) DestroyIcon(entry.second);
    kept.clear();
  }
  auto inserted = kept.emplace(key, info.hIcon);
  ReleaseSRWLockExclusive(&g_lock);
  if (!inserted.second) DestroyIcon(info.hIcon);  // another thread asked at the same time
  return copy;
}
