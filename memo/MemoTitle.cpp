// The title of a memo window from the "Title" settings.
#include "MemoTitle.h"

#include <cstdlib>

#include "KVProfile.h"
#include "MemoStrings.h"
#include "resource.h"

const char kMemoTitlePrefix[] = "KVMemo - ";

TitleOptions ReadTitleOptions() {
  return {KVGetProfileInt(kTitleUseDocName) != 0, KVGetProfileInt(kTitleHavePath) != 0,
          KVGetProfileInt(kTitleHaveExt) != 0};
}

std::string MemoWindowTitle(const TitleOptions& options, const char* docName,
                            const char* filePath) {
  std::string title = kMemoTitlePrefix;
  // A memo without a name is shown by its file: the window says what it holds.
  if (options.useDocName && docName[0]) return title + docName;
  if (!filePath[0]) return title + LoadText(options.useDocName ? IDS_UNTITLED : IDS_NEW_FILE);
  char drive[_MAX_DRIVE], folder[_MAX_DIR], name[_MAX_FNAME], ext[_MAX_EXT];
  _splitpath(filePath, drive, folder, name, ext);
  if (options.havePath) title += std::string(drive) + folder;
  title += name;
  if (options.haveExt) title += ext;
  return title;
}
