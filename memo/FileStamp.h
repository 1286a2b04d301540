// What a file on disk looked like when the memo last read or wrote it: size and last write.
#pragma once

#include <windows.h>

struct FileStamp {
  bool exists = false;
  ULONGLONG size = 0;
  FILETIME written = {};

  static FileStamp Of(const char* path);
  // True when the file exists now and is not the one this stamp recorded.
  bool ChangedOnDisk(const char* path) const;
};
