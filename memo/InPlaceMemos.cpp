// The memos opened in place below a memo, at every depth, that have unsaved edits.
#include "InPlaceMemos.h"

#include "KVObjLink.h"

namespace {

// A memo never opens in place inside itself, so the walk ends within the depth limit.
void CollectChanged(KVDocText& doc, std::vector<KVDocText*>* changed) {
  for (LIST* node = doc.Box()->m_list.pHead; node; node = node->pNext) {
    auto* link = dynamic_cast<KVObjLink*>(node->pObj);
    if (!link || link->FileType() != FT_MEMO) continue;
    auto* memo = dynamic_cast<KVDocText*>(link->m_pChild);
    if (!memo) continue;
    if (memo->IsDerty()) changed->push_back(memo);
    CollectChanged(*memo, changed);
  }
}

}  // namespace

std::vector<KVDocText*> ChangedInPlaceMemos(KVDocText& top) {
  std::vector<KVDocText*> changed;
  CollectChanged(top, &changed);
  return changed;
}
