// Building the results as one chain of objects, inserted in one go.
#include "ResultsMemo.h"

#include <algorithm>
#include <cstdio>

#include "KVDocText.h"
#include "KVObjLink.h"
#include "PathKey.h"

namespace {

const COLORREF kMatchColor = RGB(255, 0, 0);
const COLORREF kLineNumberColor = RGB(128, 128, 128);

// A link captioned with the memo's name whatever the settings show for memo links, and
// never opened in place: a results memo lists memos, it does not show them.
class CaptionedLink : public KVObjLink {
 public:
  CaptionedLink(const std::string& caption, const KVFile& file) : KVObjLink(caption.c_str(), file) {
    m_nAttr &= ~(LA_FILENAME | LA_DOCNAME | LA_OPEN);
    const CSize text = GetCaptionSize(nullptr);
    const CSize icon = IconSize(nullptr);
    const bool withIcon = (m_nAttr & LA_ICON) != 0;
    cx = withIcon ? text.cx + icon.cx + 2 : text.cx + 4;
    cy = withIcon ? std::max(text.cy, icon.cy) : text.cy;
    Layout(nullptr);
  }
};

class ChainBuilder {
 public:
  explicit ChainBuilder(const KVObject& look) : m_color(look.m_crColor), m_font(look.m_logFont) {}

  void Text(const std::string& text, COLORREF color) {
    Append(StrToList(text.c_str(), color, &m_font));
  }
  void Text(const std::string& text) { Text(text, m_color); }
  void Line(const std::string& text) { Text(text + "\r\n"); }
  void Link(const MemoHit& hit) {
    KVFile file;
    if (file.Attach(hit.path.c_str()) < 0) return;
    CaptionedLink link(hit.title.empty() ? NamePart(hit.path) : hit.title, file);
    Append(KVNewNode(new KVObjLink(link)));
    Text("\r\n");
  }
  void Lines(const MemoHit& hit) {
    for (const HitLine& line : hit.lines) {
      char number[32];
      std::snprintf(number, sizeof number, "    %d: ", line.number);
      Text(number, kLineNumberColor);
      size_t at = 0;
      for (const TextSpan& span : line.spans) {
        Text(line.text.substr(at, span.begin - at));
        Text(line.text.substr(span.begin, span.length), kMatchColor);
        at = span.begin + span.length;
      }
      Line(line.text.substr(at));
    }
  }
  LIST* Take() {
    LIST* head = m_head;
    m_head = m_tail = nullptr;
    return head;
  }

 private:
  void Append(LIST* chain) {
    if (!chain) return;
    if (m_tail) {
      m_tail->pNext = chain;
      chain->pPrev = m_tail;
    } else {
      m_head = chain;
    }
    m_tail = chain;
    while (m_tail->pNext) m_tail = m_tail->pNext;
  }

  COLORREF m_color;
  LOGFONT m_font;
  LIST* m_head = nullptr;
  LIST* m_tail = nullptr;
};

}  // namespace

void FillResultsMemo(KVDocText* doc, const std::string& heading, const std::string& notes,
                     const SearchOutcome& outcome) {
  doc->Clear();
  ChainBuilder chain(*doc->CaretObject());
  chain.Line(heading);
  if (!notes.empty()) chain.Line(notes);
  for (const MemoHit& hit : outcome.hits) {
    chain.Text("\r\n");
    chain.Link(hit);
    chain.Lines(hit);
  }
  doc->Insert(chain.Take());
  doc->SetCurPos(doc->Box()->m_list.pHead);
  doc->Box()->ClearUndo();
  doc->ClearDerty();
}
