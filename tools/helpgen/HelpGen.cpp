// HelpGen: turns the help sources (help/*.txt) into memo files through the library's own
// writer, so the help is edited as text and the memos it becomes are real ones.
// Usage: HelpGen <source folder> <output folder> <name>...  (name.txt becomes name.kvm)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "HelpMarkup.h"
#include "KVDocText.h"
#include "KVFile.h"
#include "KVObjBmap.h"
#include "KVObjLink.h"
#include "KVObjList.h"
#include "KVObjTBox.h"

namespace {

// Arguments may be Unix paths; Wine's Z: drive is the Unix root.
std::string ToWindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path;
}

bool ReadSource(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  *text = all.str();
  return true;
}

// A link that shows the source's caption in the body font rather than the target's name.
class HelpLink : public KVObjLink {
 public:
  HelpLink(const HelpPiece& piece, const KVFile& file) : KVObjLink(piece.text.c_str(), file) {
    m_nAttr &= ~(LA_FILENAME | LA_DOCNAME);
    m_logFont = piece.font;
    m_crColor = RGB(0, 0, 160);
    CSize caption = GetCaptionSize(nullptr);
    CSize icon = IconSize(nullptr);
    SetSize(CSize(caption.cx + icon.cx + 2, std::max(caption.cy, icon.cy)));
  }
};

KVObject* MakeLink(const HelpPiece& piece, const std::string& out) {
  KVFile file;
  file.Attach((out + piece.target).c_str());
  auto* link = new HelpLink(piece, file);
  // Opened in place: a window onto the target, as tall as a short page.
  if (piece.open && file.FileType() == FT_MEMO) link->SetSize(CSize(560, 240));
  return link;
}

KVObject* MakePicture(const HelpPiece& piece, const std::string& src) {
  HANDLE bitmap = LoadImageA(nullptr, (src + piece.target).c_str(), IMAGE_BITMAP, 0, 0,
                             LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  if (!bitmap) return nullptr;
  auto* picture = new KVObjBmap(static_cast<HBITMAP>(bitmap));
  DeleteObject(bitmap);
  return picture;
}

// One memo from one source; false with a message on stderr when it cannot be made.
bool Generate(const std::string& src, const std::string& out, const std::string& name) {
  std::string text, error;
  if (!ReadSource(src + name + ".txt", &text)) {
    std::fprintf(stderr, "HelpGen: cannot read %s%s.txt\n", src.c_str(), name.c_str());
    return false;
  }
  HelpMarkup markup;
  if (!markup.Parse(text, &error)) {
    std::fprintf(stderr, "HelpGen: %s.txt: %s\n", name.c_str(), error.c_str());
    return false;
  }
  KVDocText doc;
  doc.m_strDocName = markup.Title();
  doc.Box()->m_nAttr = KV_ATTR_WRAP;
  doc.Box()->m_nWidth = 600;
  for (const HelpPiece& piece : markup.Pieces()) {
    if (piece.kind == HelpPiece::kText) {
      if (LIST* chain = StrToList(piece.text.c_str(), piece.color, &piece.font)) doc.Box()->Insert(chain);
      continue;
    }
    KVObject* object = piece.kind == HelpPiece::kLink ? MakeLink(piece, out) : MakePicture(piece, src);
    if (!object) {
      std::fprintf(stderr, "HelpGen: %s.txt: cannot load %s\n", name.c_str(), piece.target.c_str());
      return false;
    }
    doc.Box()->Insert(object);
  }
  doc.Box()->SetCurPos(doc.Box()->m_list.pHead);
  KVFile file;
  file.Attach((out + name + ".kvm").c_str());
  if (doc.Save(nullptr, &file) < 0) {
    std::fprintf(stderr, "HelpGen: cannot write %s%s.kvm\n", out.c_str(), name.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: HelpGen <source folder> <output folder> <name>...\n");
    return 2;
  }
  const std::string src = ToWindowsPath(argv[1]);
  const std::string out = ToWindowsPath(argv[2]);
  CreateDirectoryA(out.c_str(), nullptr);
  // Twice: links classify their targets when made, so every memo must exist for the second.
  for (int pass = 0; pass < 2; ++pass)
    for (int i = 3; i < argc; ++i)
      if (!Generate(src, out, argv[i])) return 1;
  return 0;
}
