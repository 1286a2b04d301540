// The window title of a memo, which always starts with "KVMemo - ": other memo windows
// recognise it by that prefix.
#pragma once

#include <string>

extern const char kMemoTitlePrefix[];

struct TitleOptions {
  bool useDocName;  // the document name instead of the file name
  bool havePath;    // drive and folder before the file name
  bool haveExt;     // the extension after it
};

TitleOptions ReadTitleOptions();
std::string MemoWindowTitle(const TitleOptions& options, const char* docName,
                            const char* filePath);
