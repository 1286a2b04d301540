// KVDump: reads a memo file (or any other file as plain text) through the library and
// prints the objects it built, one line each, then the text export. Text is printed as
// UTF-8 so a Linux terminal shows it.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "KVErrors.h"
#include "KVFont.h"
#include "KVObjList.h"
#include "KVProfile.h"
#include "StreamHead.h"

namespace {

class DumpList : public KVObjList {
 public:
  using KVObjList::SegToList;
};

std::string ToUtf8(const std::string& sjis) {
  if (sjis.empty()) return sjis;
  int wide = MultiByteToWideChar(932, 0, sjis.data(), static_cast<int>(sjis.size()), nullptr, 0);
  std::wstring w(wide, L'\0');
  MultiByteToWideChar(932, 0, sjis.data(), static_cast<int>(sjis.size()), &w[0], wide);
  int narrow = WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string out(narrow, '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, &out[0], narrow, nullptr, nullptr);
  return out;
}

bool ReadWholeFile(const char* path, std::string* bytes) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read) bytes->append(buffer, read);
  CloseHandle(file);
  return true;
}

const char* SegmentName(unsigned code) {
  switch (code) {
    case SEG_TBOX: return "text box head";
    case SEG_TBOX_END: return "text box end";
    case SEG_FBOX: return "figure box head";
    case SEG_FBOX_END: return "figure box end";
    case SEG_BMAP: return "bitmap";
    case SEG_LINK: return "link";
    default: return "segment";
  }
}

void PrintObject(int index, KVObject* object) {
  unsigned code = object->m_wCode;
  std::string what;
  if (code == KV_CODE_NEWLINE) {
    what = "line break";
  } else if (KVIsCharCode(code)) {
    char bytes[3] = {0};
    int written = 0;
    object->GetText(bytes, 2, &written);
    what = "'" + std::string(bytes, written) + "'";
  } else {
    what = std::string(SegmentName(code)) + ", " + std::to_string(object->m_nDataSize) + " body bytes";
  }
  // Padded in Shift-JIS, where a character's bytes equal its columns on a terminal.
  what.resize(what.size() < 28 ? 28 : what.size(), ' ');
  std::printf("%6d  %04X  %s colour %06lX  font %s %ld\n", index, code, ToUtf8(what).c_str(),
              static_cast<unsigned long>(object->m_crColor),
              ToUtf8(object->m_logFont.lfFaceName).c_str(),
              static_cast<long>(object->m_logFont.lfHeight));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: KVDump file\n");
    return 2;
  }
  std::string bytes;
  if (!ReadWholeFile(argv[1], &bytes)) {
    std::fprintf(stderr, "KVDump: cannot read %s\n", argv[1]);
    return 1;
  }
  const char* end = bytes.data() + bytes.size();
  KVStreamHead head = {};
  int result = KVScanStreamHead(bytes.data(), end, &head);
  LIST* chain = nullptr;
  if (result == 0 && head.docHead) {
    std::printf("memo file, format version %d\n", head.version);
    DumpList list;
    auto* cursor = reinterpret_cast<SEG_HEAD*>(const_cast<char*>(head.content));
    chain = list.SegToList(head.version, &cursor, SEG_END, end, &result);
  } else if (result == 0) {
    std::printf("plain text\n");
    chain = StrToList(bytes.c_str(), KVGetProfileInt("Font", "Color", 0), &g_DefaultFont);
  }
  if (result < 0) {
    std::fprintf(stderr, "KVDump: %s is damaged or too new (result %d); nothing was read\n",
                 argv[1], result);
    return 1;
  }
  std::string text;
  int index = 0;
  for (LIST* node = chain; node; node = node->pNext, ++index) {
    PrintObject(index, node->pObj);
    std::vector<char> buffer(node->pObj->TextLength() + 1);
    int written = 0;
    node->pObj->GetText(buffer.data(), static_cast<int>(buffer.size()), &written);
    text.append(buffer.data(), written);
  }
  std::printf("%d objects; text:\n%s\n", index, ToUtf8(text).c_str());
  KVFreeChain(chain);
  return 0;
}
