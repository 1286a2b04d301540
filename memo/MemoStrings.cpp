// Texts of the program's string table.
#include "MemoStrings.h"

#include "SjisText.h"

std::string LoadText(UINT id) {
  char text[1024] = "";
  int length = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
  return std::string(text, length > 0 ? length : 0);
}

std::string LoadFileFilter(UINT id) {
  std::string filter = LoadText(id);
  // A trail byte of a double-byte character may be '|' too.
  for (size_t i = 0; i < filter.size(); ++i) {
    if (KVIsLeadByte(static_cast<unsigned char>(filter[i])))
      ++i;
    else if (filter[i] == '|')
      filter[i] = '\0';
  }
  return filter;
}
