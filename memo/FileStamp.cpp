// What a file on disk looked like when the memo last read or wrote it: size and last write.
#include "FileStamp.h"

FileStamp FileStamp::Of(const char* path) {
  FileStamp stamp;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return stamp;
  stamp.exists = true;
  stamp.size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  stamp.written = data.ftLastWriteTime;
  return stamp;
}

bool FileStamp::ChangedOnDisk(const char* path) const {
  FileStamp now = Of(path);
  if (!now.exists) return false;  // gone: writing it anew overwrites nothing
  return !exists || now.size != size || CompareFileTime(&now.written, &written) != 0;
}
