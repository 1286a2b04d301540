// A memo file read back through the library and laid out as the memo view lays it out:
// each object with its code, text, link target, size and place in the view's client area.
#include "MemoLayout.h"

#include "KVDocText.h"
#include "KVFile.h"
#include "KVObjLink.h"

namespace {

// The view keeps its document this far from its left edge.
const int kViewLeftMargin = 8;

}  // namespace

MemoLayout::MemoLayout(const std::string& path, HWND view) : doc_(new KVDocText) {
  KVFile file;
  if (file.Attach(path.c_str()) != 0 || file.FileType() != FT_MEMO) return;
  loaded_ = doc_->Load(&file) == 1;
  if (!loaded_) return;
  if (view) {
    RECT client = {};
    GetClientRect(view, &client);
    doc_->x = kViewLeftMargin;
    doc_->y = 0;
    doc_->SetSize(CSize(client.right - kViewLeftMargin, client.bottom));
  }
  const auto& list = doc_->Box()->m_list;
  for (LIST* node = list.pHead; node && node != list.pTail; node = node->pNext) {
    KVObject* object = node->pObj;
    const CSize minimum = object->MinSize();
    MemoItem item{object->m_wCode, "", "", doc_->GetCharRect(node), {minimum.cx, minimum.cy}};
    if (KVIsCharCode(object->m_wCode)) {
      if (object->m_wCode > 0xFF) item.text += static_cast<char>(object->m_wCode >> 8);
      item.text += static_cast<char>(object->m_wCode & 0xFF);
    } else if (auto* link = dynamic_cast<KVObjLink*>(object)) {
      char target[MAX_PATH] = "";
      link->m_file.GetPathName(target);
      item.linkPath = target;
    }
    items_.push_back(item);
  }
}

MemoLayout::~MemoLayout() = default;

std::string MemoLayout::Text() const {
  std::string text;
  for (const MemoItem& item : items_) text += item.text.empty() ? "@" : item.text;
  return text;
}

std::vector<MemoItem> MemoLayout::Links() const {
  std::vector<MemoItem> links;
  for (const MemoItem& item : items_)
    if (!item.linkPath.empty()) links.push_back(item);
  return links;
}

size_t MemoLayout::IndexOf(const std::string& sjisText, int occurrence) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    std::string here;
    for (size_t j = i; j < items_.size() && here.size() < sjisText.size(); ++j)
      here += items_[j].text.empty() ? "@" : items_[j].text;
    if (here == sjisText && occurrence-- == 0) return i;
  }
  return items_.size();
}

POINT MemoLayout::Inside(size_t index, double across) const {
  const RECT& r = items_.at(index).rect;
  return {r.left + static_cast<LONG>((r.right - r.left - 1) * across), (r.top + r.bottom) / 2};
}

const std::string& MemoLayout::Name() const { return doc_->m_strDocName; }
