// Builders of memos made of links, for the link tests and the hostile-input loop: a run of
// links opened in place, and the memo file holding it.
#pragma once

#include <string>
#include <vector>

#include "Canvas.h"
#include "DocSupport.h"
#include "KVFont.h"
#include "KVObjLink.h"
#include "KVPaintPass.h"
#include "SegWriter.h"

inline KVObjLink* LinkTo(const std::string& path, const char* caption = nullptr) {
  KVFile file;
  file.Attach(path.c_str());
  return new KVObjLink(caption, file);
}

// The text box run of one link per target, each opened in place as a person opens it.
inline Bytes OpenLinksRun(const std::vector<std::string>& targets) {
  Bytes run;
  for (const std::string& target : targets) {
    KVObjLink* link = LinkTo(target);
    link->Open();
    LIST* node = KVNewNode(link);
    Bytes one(KVRunDataLength(node, nullptr), '\0');
    KVWriteRun(node, nullptr, &one[0], static_cast<int>(one.size()));
    KVFreeChain(node);
    run += one;
  }
  return run;
}

inline Bytes MemoLinkingTo(const std::string& target) { return OpenLinksRun({target}); }

inline std::vector<KVObjLink*> LinksOf(KVDocText& doc) {
  std::vector<KVObjLink*> links;
  for (LIST* n = doc.Box()->m_list.pHead; n; n = n->pNext)
    if (auto* link = dynamic_cast<KVObjLink*>(n->pObj)) links.push_back(link);
  return links;
}

inline KVObjLink* FirstLink(KVDocText& doc) {
  std::vector<KVObjLink*> links = LinksOf(doc);
  return links.empty() ? nullptr : links.front();
}

inline KVDocText* ChildText(KVObjLink* link) { return dynamic_cast<KVDocText*>(link->m_pChild); }

// Draws the whole of a memo of links, as a window showing it would (pictures are read then).
inline void DrawWhole(KVObject& object) {
  Canvas canvas(400, 4000);
  KVPaintPass pass(&canvas.cdc, 0, g_DefaultFont);
  object.Draw(pass.Info(), CPoint(0, 0), CRect(0, 0, 400, 4000), false);
}
