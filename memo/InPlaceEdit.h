// InPlaceEdit: the memos opened in place that the editor is typing into, at most two levels
// below the window's memo. It names the active document, maps window points to it and back,
// and enters and leaves the levels.
#pragma once

#include <windows.h>

#include "KVDocText.h"

class KVObjLink;

class InPlaceEdit {
 public:
  static const int kMaxDepth = 2;
  // Whether the memo of a link may be edited where it stands.
  enum class Verdict { kNotEditable, kEditable, kSameFile };
  // The levels a window point lies in: the links entered one below the other.
  struct Target {
    int depth = 0;
    LIST* nodes[kMaxDepth] = {};
    Verdict refused = Verdict::kNotEditable;  // kSameFile: the next level down is a self link
  };

  explicit InPlaceEdit(KVDocText& top) : m_top(top) {}
  InPlaceEdit(const InPlaceEdit&) = delete;
  InPlaceEdit& operator=(const InPlaceEdit&) = delete;

  KVDocText& Active() const { return DocAt(m_depth); }
  int Depth() const { return m_depth; }
  // The document at a level: 0 the window's memo, Depth() the active one.
  KVDocText& DocAt(int depth) const { return depth ? *m_levels[depth - 1].doc : m_top; }
  // The file of the active memo opened in place; null at the top.
  const char* ActivePath() const { return m_depth ? Active().m_szPath : nullptr; }
  POINT ToActive(POINT window) const;
  CRect ToWindow(CRect rect) const;
  // The active memo's area in window coordinates (empty at the top).
  CRect ActiveArea() const;
  // The active document's view rectangle in its own coordinates, for scrolling to an object.
  CRect ActiveView(const CRect& client) const;

  // The link at node of the active document, checked for entering.
  Verdict Check(LIST* node) const;
  bool Enter(LIST* node);
  // One level up: the link is selected in the document above.
  void Leave();
  void LeaveTo(int depth);
  Target TargetAt(POINT window) const;
  // Leaves and enters until the levels are the target's.
  void Follow(const Target& target);
  // Leaves every level whose memo a reload of the links may read again (neither it nor a
  // memo inside it has unsaved edits), and those below it.
  void LeaveReloadable();

 private:
  struct Level {
    LIST* node;       // the link in the document above
    KVObjLink* link;  // its object, marked while entered
    KVDocText* doc;   // the memo it opened in place
  };
  // Window point where the coordinates of the document at depth start.
  POINT OriginOf(int depth) const;
  Verdict CheckAt(const Target& above, LIST* node) const;
  bool IsAboveFile(const Target& above, const char* path) const;

  KVDocText& m_top;
  Level m_levels[kMaxDepth] = {};
  int m_depth = 0;
};
