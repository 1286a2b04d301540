// Memo files for the tests, made with the document library exactly as the editor makes them.
#include "MemoBuilder.h"

#include "KVErrors.h"
#include "KVFile.h"
#include "KVObjLink.h"

LOGFONT MemoFont(const char* face, int height) {
  LOGFONT font = {};
  font.lfHeight = height;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
  return font;
}

MemoBuilder::MemoBuilder() { doc_.SetSize(CSize(480, 360)); }

MemoBuilder& MemoBuilder::Text(const std::string& sjisText, COLORREF color, const LOGFONT& font) {
  // The library's text conversion takes a carriage return as the line break.
  std::string text = sjisText;
  for (char& c : text)
    if (c == '\n') c = '\r';
  LIST* run = StrToList(text.c_str(), color, &font);
  if (run) doc_.Insert(run);
  return *this;
}

MemoBuilder& MemoBuilder::Text(const std::string& sjisText) {
  return Text(sjisText, RGB(0, 0, 0), MemoFont("ＭＳ ゴシック", -16));
}

MemoBuilder& MemoBuilder::Link(const std::string& target, bool openInPlace) {
  KVFile file;
  file.Attach(target.c_str());
  auto* link = new KVObjLink(nullptr, file);
  if (openInPlace) link->SetSize(CSize(360, 6 * link->MinSize().cy));
  doc_.Insert(link);
  return *this;
}

MemoBuilder& MemoBuilder::Name(const std::string& docName) {
  doc_.m_strDocName = docName;
  return *this;
}

bool MemoBuilder::Save(const std::string& path) {
  KVFile file;
  const int attached = file.Attach(path.c_str());
  if (attached != KV_OK && attached != KV_ERR_OPEN) return false;  // a new file is fine
  return doc_.Save(nullptr, &file) >= 0;
}
