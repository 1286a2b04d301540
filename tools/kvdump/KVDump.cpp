// KVDump: opens a memo file (or any other file as plain text) as the memo editor will, and
// prints what the library built: the document, its objects and its text. With --render it
// also draws the memo into a bitmap file, to look at the layout without the editor; with
// --edit it runs a fixed edit sequence and prints again; --save writes the memo afterwards.
// Text is printed as UTF-8 so a Linux terminal shows it.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "KVDocText.h"
#include "KVFile.h"
#include "EditScript.h"
#include "KVObjLink.h"
#include "Render.h"

namespace {

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

std::string TextOf(KVObject* object) {
  std::vector<char> buffer(object->TextLength() + 1);
  int written = 0;
  object->GetText(buffer.data(), static_cast<int>(buffer.size()), &written);
  return std::string(buffer.data(), written);
}

std::string Describe(KVObject* object) {
  unsigned code = object->m_wCode;
  if (code == KV_CODE_NEWLINE) return "line break";
  if (KVIsCharCode(code)) return "'" + TextOf(object) + "'";
  if (auto* link = dynamic_cast<KVObjLink*>(object))
    return "link \"" + TextOf(link) + "\" -> " + link->m_szPath + (link->m_pChild ? " (open)" : "");
  if (dynamic_cast<KVObjTBox*>(object)) return "text box \"" + TextOf(object) + "\"";
  return "object of type " + std::to_string(code) + ", " + std::to_string(object->m_nDataSize) +
         " bytes kept as they are";
}

void PrintObject(int index, KVObject* object) {
  // Padded in Shift-JIS, where a character's bytes equal its columns on a terminal.
  std::string what = Describe(object);
  what.resize(what.size() < 28 ? 28 : what.size(), ' ');
  std::printf("%6d  %04X  %s colour %06lX  font %s %ld  at (%d, %d) %dx%d\n", index,
              object->m_wCode, ToUtf8(what).c_str(), static_cast<unsigned long>(object->m_crColor),
              ToUtf8(object->m_logFont.lfFaceName).c_str(),
              static_cast<long>(object->m_logFont.lfHeight), object->x, object->y, object->cx,
              object->cy);
}

void PrintDocument(KVDocText& doc) {
  PAGESIZE page;
  doc.m_page.GetPageSize(&page);
  std::printf("name \"%s\", path %s\n", ToUtf8(doc.m_strDocName).c_str(), doc.m_szPath);
  std::printf("page: orientation %d, paper %d, %dx%d (0.1 mm), margins %d %d %d %d (0.01 mm)\n",
              page.nOrientation, page.nPaperSize, page.nPaperWidth, page.nPaperLength, page.nLeft,
              page.nTop, page.nRight, page.nBottom);
  std::printf("text box: attributes %08lX, background %06lX, width %d, laid out %dx%d\n\n",
              static_cast<unsigned long>(doc.Box()->m_nAttr),
              static_cast<unsigned long>(doc.Box()->m_crBackColor), doc.Box()->m_nWidth,
              doc.Box()->cx, doc.Box()->cy);
  int index = 0;
  for (LIST* n = doc.Box()->m_list.pHead; n != doc.Box()->m_list.pTail; n = n->pNext)
    PrintObject(index++, n->pObj);
  std::printf("%d objects; text:\n%s\n", index, ToUtf8(TextOf(doc.Box())).c_str());
}

struct Options {
  const char* file = nullptr;
  const char* picture = nullptr;
  const char* saveTo = nullptr;
  bool edit = false;
};

bool ParseOptions(int argc, char** argv, Options* options) {
  if (argc < 2) return false;
  options->file = argv[1];
  for (int i = 2; i < argc; ++i) {
    const std::string flag = argv[i];
    if (flag == "--edit")
      options->edit = true;
    else if (flag == "--render" && i + 1 < argc)
      options->picture = argv[++i];
    else if (flag == "--save" && i + 1 < argc)
      options->saveTo = argv[++i];
    else
      return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::fprintf(stderr, "usage: KVDump file [--edit] [--render picture.bmp] [--save copy.kvm]\n");
    return 2;
  }
  KVFile file;
  file.Attach(options.file);
  KVDocText doc;
  int result = doc.Load(&file);
  if (result < 0) {
    std::fprintf(stderr, "KVDump: cannot read %s (result %d); nothing was loaded\n", options.file,
                 result);
    return 1;
  }
  std::printf("%s\n", file.FileType() == FT_MEMO ? "memo file" : "plain text, read as a memo");
  PrintDocument(doc);
  if (options.edit) {
    RunEditScript(doc.Box());
    std::printf("\nafter the edit sequence:\n");
    PrintDocument(doc);
  }
  if (options.picture && !RenderToBitmapFile(doc, options.picture)) {
    std::fprintf(stderr, "KVDump: cannot write %s\n", options.picture);
    return 1;
  }
  KVFile copy;
  if (options.saveTo && (copy.Attach(options.saveTo) < 0 || doc.Save(nullptr, &copy) < 0)) {
    std::fprintf(stderr, "KVDump: cannot write %s\n", options.saveTo);
    return 1;
  }
  return 0;
}
