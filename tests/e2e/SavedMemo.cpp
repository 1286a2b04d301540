// A memo file as the library reads it back: text, each character's colour and font,
// the stored window placement and the document name.
#include "SavedMemo.h"

#include "KVFile.h"
#include "KVObjChar.h"

SavedMemo::SavedMemo(const std::string& path) : doc_(new KVDocText) {
  KVFile file;
  if (file.Attach(path.c_str()) == 0 && file.FileType() == FT_MEMO) loaded_ = doc_->Load(&file) == 1;
}

std::string SavedMemo::Text() const {
  KVObjTBox* box = doc_->Box();
  std::string text(box->TextLength() + 1, '\0');
  int written = 0;
  box->GetText(&text[0], static_cast<int>(text.size()), &written);
  text.resize(written);
  return text;
}

std::vector<StyledChar> SavedMemo::Chars() const {
  std::vector<StyledChar> chars;
  const auto& list = doc_->Box()->m_list;
  for (LIST* node = list.pHead; node && node != list.pTail; node = node->pNext) {
    KVObject* object = node->pObj;
    if (!dynamic_cast<KVObjChar*>(object)) continue;
    chars.push_back({object->m_wCode, object->m_crColor, object->m_logFont.lfFaceName,
                     object->m_logFont.lfHeight, object->m_logFont.lfCharSet});
  }
  return chars;
}

std::vector<unsigned> CodesOf(const std::string& sjisText) {
  std::vector<unsigned> codes;
  for (size_t i = 0; i < sjisText.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(sjisText[i]);
    if (IsDBCSLeadByteEx(932, c) && i + 1 < sjisText.size())
      codes.push_back(c * 256u + static_cast<unsigned char>(sjisText[++i]));
    else
      codes.push_back(c);
  }
  return codes;
}
