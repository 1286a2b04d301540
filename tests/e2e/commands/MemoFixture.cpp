// Memo files with links for the tests, made through the library: text, links at their own
// size, and links opened in place.
#include "MemoFixture.h"

#include "KVErrors.h"
#include "KVFile.h"
#include "KVObjLink.h"
#include "MemoBuilder.h"

MemoFixture::MemoFixture() { doc_.SetSize(CSize(480, 360)); }

MemoFixture& MemoFixture::Text(const std::string& sjisText) {
  // The library's text conversion takes a carriage return as the line break.
  std::string text = sjisText;
  for (char& c : text)
    if (c == '\n') c = '\r';
  const LOGFONT font = MemoFont("ＭＳ ゴシック", -16);
  LIST* run = StrToList(text.c_str(), RGB(0, 0, 0), &font);
  if (run) doc_.Insert(run);
  return *this;
}

MemoFixture& MemoFixture::Link(const std::string& target, bool openInPlace) {
  KVFile file;
  file.Attach(target.c_str());
  auto* link = new KVObjLink(nullptr, file);
  if (openInPlace) link->SetSize(CSize(360, 6 * link->MinSize().cy));
  doc_.Insert(link);
  return *this;
}

MemoFixture& MemoFixture::Name(const std::string& docName) {
  doc_.m_strDocName = docName;
  return *this;
}

bool MemoFixture::Save(const std::string& path) {
  KVFile file;
  const int attached = file.Attach(path.c_str());
  if (attached != KV_OK && attached != KV_ERR_OPEN) return false;
  return doc_.Save(nullptr, &file) >= 0;
}
