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

DiskMemo MemoOf(const std::string& path, const std::string& key, const WIN32_FIND_DATAA& found) {
  return {path, Join(found.nFileSizeHigh, found.nFileSizeLow),
          Join(found.ftLastWriteTime.dwHighDateTime, found.ftLastWriteTime.dwLowDateTime), key};
}

bool IsMemoName(const char* name) {
  size_t length = lstrlenA(name);
  return length > 4 && lstrcmpiA(name + length - 4, ".kvm") == 0;
}

// Keys grow from the folder's key by the names found, as PathKey would make them: the walk
// only meets full, long names, and making each key whole costs more than the walk.
void ScanFolder(const std::string& folder, const std::string& folderKey, int depth,
                std::vector<DiskMemo>* out) {
  // Deep enough for dated subfolders inside subfolders; a junction loop ends here.
  if (depth > 16) return;
  WIN32_FIND_DATAA found;
  ScopedFind find(folder + "\\*", &found);
  if (!find.IsOpen()) return;
  do {
    std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    std::string path = folder + "\\" + name;
    std::string key = folderKey + "\\" + NameKey(name);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      ScanFolder(path, key, depth + 1, out);
    else if (IsMemoName(found.cFileName))
      out->push_back(MemoOf(path, key, found));
  } while (find.Next(&found));
}

}  // namespace

std::vector<DiskMemo> ListMemoFiles(const std::vector<std::string>& sjisFolders) {
  std::vector<DiskMemo> all;
  std::set<std::string> seenFolders;
  for (std::string folder : sjisFolders) {
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    std::string folderKey = PathKey(folder);
    while (!folderKey.empty() && folderKey.back() == '\\') folderKey.pop_back();
    if (folder.empty() || !seenFolders.insert(folderKey).second) continue;
    ScanFolder(folder, folderKey, 0, &all);
  }
  // A folder inside another one is walked twice: keep each file once.
  std::set<std::string> seen;
  std::vector<DiskMemo> unique;
  for (DiskMemo& memo : all)
    if (seen.insert(memo.key).second) unique.push_back(std::move(memo));
  return unique;
}

bool StatMemoFile(const std::string& sjisPath, DiskMemo* memo) {
  WIN32_FIND_DATAA found;
  ScopedFind find(sjisPath, &found);
  if (!find.IsOpen() || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  *memo = MemoOf(sjisPath, PathKey(sjisPath), found);
  return true;
}
