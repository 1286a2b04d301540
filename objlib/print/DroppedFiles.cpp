// Checked reading of dropped-file blocks.
#include "DroppedFiles.h"

#include <shlobj.h>

#include <cstring>

#include "LockedGlobal.h"

namespace {

// The names from first on, each ending with a zero character, up to an empty name or the
// end of the block; false when the block's end cuts a name off.
template <typename Char>
bool SplitNames(const char* first, const char* end, std::vector<std::basic_string<Char>>* names) {
  const char* p = first;
  while (p != end) {
    std::basic_string<Char> name;
    for (;; p += sizeof(Char)) {
      if (end - p < static_cast<ptrdiff_t>(sizeof(Char))) return false;
      Char c;
      std::memcpy(&c, p, sizeof c);
      if (c == 0) break;
      name += c;
    }
    p += sizeof(Char);
    if (name.empty()) break;
    names->push_back(std::move(name));
  }
  return true;
}

bool ToAnsi(const std::wstring& wide, std::string* narrow) {
  BOOL lossy = FALSE;
  const int length = static_cast<int>(wide.size());
  int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0,
                                 nullptr, &lossy);
  if (size <= 0 || lossy) return false;
  narrow->assign(size, '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, &(*narrow)[0], size,
                      nullptr, nullptr);
  return true;
}

}  // namespace

std::vector<std::string> KVReadDroppedFiles(HGLOBAL block) {
  std::vector<std::string> names;
  LockedGlobal locked(block);
  const char* data = locked.Data();
  if (!data || locked.End() - data < static_cast<ptrdiff_t>(sizeof(DROPFILES))) return names;
  DROPFILES record;
  std::memcpy(&record, data, sizeof record);
  if (record.pFiles < sizeof record || record.pFiles > static_cast<DWORD>(locked.End() - data))
    return names;
  const char* first = data + record.pFiles;
  if (!record.fWide) {
    if (!SplitNames(first, locked.End(), &names)) names.clear();
    return names;
  }
  std::vector<std::wstring> wide;
  if (!SplitNames(first, locked.End(), &wide)) return names;
  for (const std::wstring& name : wide) {
    std::string narrow;
    if (ToAnsi(name, &narrow)) names.push_back(std::move(narrow));
  }
  return names;
}
