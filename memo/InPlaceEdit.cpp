// The levels of memos edited in place: their window positions, the checks for entering one,
// and entering and leaving.
#include "InPlaceEdit.h"

#include "KVFilePaths.h"
#include "KVObjLink.h"
#include "MemoGlobals.h"

namespace {

KVObjLink* AsLink(LIST* node) { return node ? dynamic_cast<KVObjLink*>(node->pObj) : nullptr; }

// The text memo a link opened in place; null for anything else.
KVDocText* MemoOf(LIST* node) {
  KVObjLink* link = AsLink(node);
  return link ? dynamic_cast<KVDocText*>(link->m_pChild) : nullptr;
}

POINT Plus(POINT a, POINT b) { return {a.x + b.x, a.y + b.y}; }

}  // namespace

POINT InPlaceEdit::OriginOf(int depth) const {
  POINT origin = {0, 0};
  for (int i = 0; i < depth; ++i) {
    CRect link = DocAt(i).GetCharRect(m_levels[i].node);
    origin = Plus(origin, {link.left, link.top});
  }
  return origin;
}

POINT InPlaceEdit::ToActive(POINT window) const {
  POINT origin = OriginOf(m_depth);
  return {window.x - origin.x, window.y - origin.y};
}

CRect InPlaceEdit::ToWindow(CRect rect) const {
  POINT origin = OriginOf(m_depth);
  rect.OffsetRect(origin.x, origin.y);
  return rect;
}

CRect InPlaceEdit::ActiveArea() const {
  if (!m_depth) return CRect();
  const KVDocText& doc = Active();
  return ToWindow(CRect(doc.x, doc.y, doc.x + doc.cx, doc.y + doc.cy));
}

CRect InPlaceEdit::ActiveView(const CRect& client) const {
  return m_depth ? CRect(0, 0, Active().cx, Active().cy) : client;
}

bool InPlaceEdit::IsAboveFile(const Target& above, const char* path) const {
  if (KVIsSameFile(g_szFilePath, path)) return true;
  KVDocText* doc = &m_top;
  for (int i = 0; i < above.depth; ++i) {
    doc = MemoOf(above.nodes[i]);
    if (KVIsSameFile(doc->m_szPath, path)) return true;
  }
  return false;
}

// Only memo files read whole as text memos are edited here: a figure memo, a plain text
// file or a memo read in part (a save would write the part over the file) keeps the link's
// usual behaviour.
InPlaceEdit::Verdict InPlaceEdit::CheckAt(const Target& above, LIST* node) const {
  KVObjLink* link = AsLink(node);
  if (!link || link->FileType() != FT_MEMO || above.depth >= kMaxDepth)
    return Verdict::kNotEditable;
  if (link->m_szPath[0] && IsAboveFile(above, link->m_szPath)) return Verdict::kSameFile;
  return MemoOf(node) && link->IsChildWhole() ? Verdict::kEditable : Verdict::kNotEditable;
}

InPlaceEdit::Verdict InPlaceEdit::Check(LIST* node) const {
  Target current;
  current.depth = m_depth;
  for (int i = 0; i < m_depth; ++i) current.nodes[i] = m_levels[i].node;
  return CheckAt(current, node);
}

bool InPlaceEdit::Enter(LIST* node) {
  if (Check(node) != Verdict::kEditable) return false;
  KVObjLink* link = AsLink(node);
  m_levels[m_depth++] = {node, link, MemoOf(node)};
  link->SetEditing(true);
  return true;
}

void InPlaceEdit::Leave() {
  if (!m_depth) return;
  const Level& level = m_levels[--m_depth];
  level.link->SetEditing(false);
  DocAt(m_depth).SetSel(level.node->pNext, level.node);
}

void InPlaceEdit::LeaveTo(int depth) {
  while (m_depth > depth) Leave();
}

// A point in a link's content area (not on its caption, frame or handles) goes one level
// down when that memo may be edited there.
InPlaceEdit::Target InPlaceEdit::TargetAt(POINT window) const {
  Target target;
  POINT origin = {0, 0};
  KVDocText* doc = &m_top;
  while (target.depth < kMaxDepth) {
    const CPoint local(window.x - origin.x, window.y - origin.y);
    LIST* node = nullptr;
    if (doc->WhereIs(local, &node) != HIT_INSIDE || !AsLink(node)) break;
    const CRect link = doc->GetCharRect(node);
    CRect area = AsLink(node)->m_rcChild;
    area.OffsetRect(link.left, link.top);
    if (!area.PtInRect(local)) break;
    const Verdict verdict = CheckAt(target, node);
    if (verdict != Verdict::kEditable) {
      target.refused = verdict;
      break;
    }
    target.nodes[target.depth++] = node;
    origin = Plus(origin, {link.left, link.top});
    doc = MemoOf(node);
  }
  return target;
}

void InPlaceEdit::Follow(const Target& target) {
  int same = 0;
  while (same < m_depth && same < target.depth && m_levels[same].node == target.nodes[same]) ++same;
  LeaveTo(same);
  for (int i = same; i < target.depth; ++i) Enter(target.nodes[i]);
}

void InPlaceEdit::LeaveReloadable() {
  for (int i = 0; i < m_depth; ++i) {
    if (!m_levels[i].link->HasUnsavedEdits()) {
      LeaveTo(i);
      return;
    }
  }
}
