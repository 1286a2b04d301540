// Figure memos for the figure box and figure document tests, built from the format tables.
#pragma once

#include <string>

#include "DocSupport.h"
#include "KVDocFig.h"

inline Bytes FigureHead(unsigned attr, unsigned back, int width, int height, int x = 0, int y = 0) {
  return Segment(SEG_FBOX, U32(attr) + U32(back) + U32(x) + U32(y) + U32(width) + U32(height));
}

inline const Bytes& FigureTail() {
  static const Bytes tail = Segment(SEG_FBOX_END, "");
  return tail;
}

// A link segment of the current layout with its path as stored (macro form).
inline Bytes LinkSegment(unsigned attr, unsigned back, int x, int y, int cx, int cy,
                         const std::string& storedPath, const std::string& caption) {
  Bytes record = U16(1) + U32(0) + storedPath + Bytes(260 - storedPath.size(), '\0') + Bytes(260, '\0');
  return Segment(SEG_LINK, U32(attr) + U32(back) + U32(x) + U32(y) + U32(cx) + U32(cy) + U32(0) +
                               U32(0) + record + U32(static_cast<unsigned>(caption.size())) +
                               caption + Bytes(1, '\0'));
}

// A whole figure memo file at path.
inline std::string WriteFigureMemo(const std::string& name, const Bytes& run,
                                   const Bytes& head = FigureHead(0, 0xFFFFFF, 300, 200)) {
  std::string path = TestFolder() + name;
  WriteWholeFile(path, DocHead("") + PageSegment() + head + run + FigureTail() + "\xFF\xFF");
  return path;
}

// The stored form of a path in the test's profile folder.
inline std::string StoredInProfile(const std::string& name) { return "%usr%files\\" + name; }

inline int SaveFile(KVObjDoc& doc, const std::string& path) {
  KVFile file;
  file.Attach(path.c_str());
  return doc.Save(nullptr, &file);
}

// The children of a figure box, end marker excluded.
inline int ChildCount(const KVObjFBox& box) {
  int count = 0;
  for (LIST* n = box.m_list.pHead; n != box.m_list.pTail; n = n->pNext) ++count;
  return count;
}

inline LIST* ChildAt(const KVObjFBox& box, int index) {
  LIST* node = box.m_list.pHead;
  while (index-- > 0 && node != box.m_list.pTail) node = node->pNext;
  return node;
}

// A plain object of the given place and size, as a figure child: not a character.
inline KVObject* Block(int x, int y, int cx, int cy) {
  auto* block = new KVObject();
  block->x = x;
  block->y = y;
  block->cx = cx;
  block->cy = cy;
  return block;
}
