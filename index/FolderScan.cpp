// Walking folders with FindFirstFile: the size and time come with each name for free.
#include "FolderScan.h"

#include <windows.h>

#include <set>

#include "PathKey.h"
#include "ScopedFind.h"

namespace {

int64_t Join(DWORD high, DWORD low) {
  return static_cast<int64_t>((static_cast<uint64_t>(high) << 32) | low);
}

DiskMemo MemoOf(const std::string& path, const WIN32_FIND_DATAA& found) {
  return {path, Join(found.nFileSizeHigh, found.nFileSizeLow),
          Join(found.ftLastWriteTime.dwHighDateTime, found.ftLastWriteTime.dwLowDateTime)};
}

bool IsMemoName(const char* name) {
  size_t length = lstrlenA(name);
  return length > 4 && lstrcmpiA(name + length - 4, ".kvm") == 0;
}

void ScanFolder(const std::string& folder, int depth, std::vector<DiskMemo>* out) {
  // Deep enough for dated subfolders inside subfolders; a junction loop ends here.
  if (depth > 16) return;
  WIN32_FIND_DATAA found;
  ScopedFind find(folder + "\\*", &found);
  if (!find.IsOpen()) return;
  do {
    std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    std::string path = folder + "\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      ScanFolder(path, depth + 1, out);
    else if (IsMemoName(found.cFileName))
      out->push_back(MemoOf(path, found));
  } while (find.Next(&found));
}

}  // namespace

std::vector<DiskMemo> ListMemoFiles(const std::vector<std::string>& sjisFolders) {
  std::vector<DiskMemo> all;
  std::set<std::string> seenFolders;
  for (std::string folder : sjisFolders) {
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    if (folder.empty() || !seenFolders.insert(PathKey(folder)).second) continue;
    ScanFolder(folder, 0, &all);
  }
  // A folder inside another one is walked twice: keep each file once.
  std::set<std::string> seen;
  std::vector<DiskMemo> unique;
  for (DiskMemo& memo : all)
    if (seen.insert(PathKey(memo.path)).second) unique.push_back(std::move(memo));
  return unique;
}

bool StatMemoFile(const std::string& sjisPath, DiskMemo* memo) {
  WIN32_FIND_DATAA found;
  ScopedFind find(sjisPath, &found);
  if (!find.IsOpen() || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  *memo = MemoOf(sjisPath, found);
  return true;
}
