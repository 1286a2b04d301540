// The memo files on disk: every ".kvm" below the data folders.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DiskMemo {
  std::string path;  // Shift-JIS, as the library takes it
  int64_t size;
  int64_t time;     // last write, FILETIME units
  std::string key;  // PathKey of path
};

// Every memo file in the folders and their subfolders, each once.
std::vector<DiskMemo> ListMemoFiles(const std::vector<std::string>& sjisFolders);
// The size and time of one file; false when it is gone.
bool StatMemoFile(const std::string& sjisPath, DiskMemo* memo);
