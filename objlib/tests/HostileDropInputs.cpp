// Hostile-input generator of dropped-file blocks, pasted through the clipboard.
#include <shlobj.h>

#include <cstring>

#include "DocSupport.h"
#include "HostileInput.h"
#include "KVDocFig.h"

namespace {

const uint32_t kNoOffset[] = {0, 1, 19, 21, 0x7FFFFFF0, 0xFFFFFFFF, 0x80000000};

std::string RandomName(HostileRng& rng) {
  static const char* const kPieces[] = {"C:\\", "docs\\", "a", "Z",    "9",
                                        " ",    ".",      "-", "表示", "_"};
  const size_t length = rng.Below(8) == 0 ? 250 + rng.Below(40) : 1 + rng.Below(30);
  std::string name;
  while (name.size() < length) name += kPieces[rng.Below(10)];
  return name;
}

std::wstring Wide(const std::string& name) {
  std::wstring wide(name.size(), L'\0');
  int length = MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), &wide[0],
                                   static_cast<int>(wide.size()));
  wide.resize(length);
  return wide;
}

}  // namespace

std::string DropBlock(const std::vector<std::string>& names, bool wide, uint32_t offset) {
  const DROPFILES record = {offset, {0, 0}, FALSE, wide};
  std::string block(reinterpret_cast<const char*>(&record), sizeof record);
  for (const std::string& name : names) {
    if (!wide) {
      block += name + '\0';
      continue;
    }
    std::wstring w = Wide(name) + L'\0';
    block.append(reinterpret_cast<const char*>(w.data()), w.size() * sizeof(wchar_t));
  }
  return block + std::string(wide ? 2 : 1, '\0');
}

namespace {

int LinksIn(LIST* first) {
  int links = 0;
  for (LIST* n = first; n; n = n->pNext) links += n->pObj->m_wCode == SEG_LINK;
  return links;
}

}  // namespace

// A sound list must give one link per name that fits a link; a lying one may give
// anything but a crash.
HostileResult HostileDropCase(HostileRng& rng) {
  std::vector<std::string> names(rng.Below(12));
  int fitting = 0;
  for (std::string& name : names) {
    name = RandomName(rng);
    fitting += name.size() < MAX_PATH;
  }
  const bool wide = rng.Below(2) != 0;
  std::string block =
      DropBlock(names, wide, rng.Below(5) ? sizeof(DROPFILES) : rng.Pick(kNoOffset));
  bool sound = KVReadU32(&block[0]) == sizeof(DROPFILES);
  const size_t listSize = block.size() - sizeof(DROPFILES);
  switch (rng.Below(4)) {
    case 0:
      block.resize(sizeof(DROPFILES) + rng.Below(static_cast<uint32_t>(listSize)));
      sound = false;
      break;
    case 1:
      block[16] = !wide;
      sound = false;
      break;
    case 2:
      block.resize(block.size() - (wide ? 2 : 1));
      break;  // no empty name at the end
    default:
      break;
  }
  HostileResult result;
  KVDocText text;
  KVDocFig figure;
  KVObjDoc& doc = rng.Below(2) ? static_cast<KVObjDoc&>(text) : figure;
  if (!PasteThroughClipboard(doc, CF_HDROP, GlobalOf(block))) {
    result.fault = "the clipboard could not be opened";
    return result;
  }
  const int links = LinksIn(text.Box()->m_list.pHead) + LinksIn(figure.Box()->m_list.pHead);
  result.accepted = links > 0;
  if (sound && links != fitting)
    result.fault = "a sound list of " + std::to_string(fitting) + " names gave " +
                   std::to_string(links) + " links";
  return result;
}
