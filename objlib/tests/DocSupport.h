// Files for document and link tests, in the test's own profile folder.
#pragma once

#include <windows.h>

#include <string>

#include "KVDocText.h"
#include "KVFile.h"
#include "TestSupport.h"

inline std::string TestFolder() {
  std::string folder = std::string(KVGetFolders().user) + "files";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\";
}

// The document head segment as a memo file starts: version, placement, scroll, name.
inline Bytes DocHead(const std::string& name, unsigned version = 512, int scrollX = 0,
                     int scrollY = 0, const Bytes& placement = Bytes(44, '\0')) {
  return Segment(SEG_DOCHEAD, U32(version) + placement + U32(scrollX) + U32(scrollY) + name +
                                  Bytes(1, '\0'));
}

inline Bytes PageSegment(int orientation = 1, int size = 9, int length = 2970, int width = 2100,
                         int top = 2000, int bottom = 2000, int left = 2000, int right = 2000) {
  return Segment(SEG_PAGE, U16(orientation) + U16(size) + U16(length) + U16(width) + U32(top) +
                               U32(bottom) + U32(left) + U32(right));
}

inline Bytes BoxHead(unsigned attr, unsigned back, int width, int height) {
  return Segment(SEG_TBOX, U32(attr) + U32(back) + U32(0) + U32(0) + U32(width) + U32(height));
}

inline const Bytes& BoxTail() {
  static const Bytes tail = Segment(SEG_TBOX_END, "");
  return tail;
}

// A memo file written at path with the given text box run.
inline std::string WriteMemo(const std::string& name, const Bytes& run, const std::string& title = "") {
  std::string path = TestFolder() + name;
  WriteWholeFile(path, DocHead(title) + PageSegment() + BoxHead(0, 0xFFFFFF, 400, 0) + run + BoxTail() +
                       "\xFF\xFF");
  return path;
}

// Reads a memo as the editor opens one; the result of Load.
inline int LoadFile(KVObjDoc& doc, const std::string& path) {
  KVFile file;
  file.Attach(path.c_str());
  return doc.Load(&file);
}

inline std::string TextOf(KVDocText& doc) {
  std::string text(doc.Box()->TextLength(), '\0');
  int written = 0;
  doc.Box()->GetText(&text[0], static_cast<int>(text.size()), &written);
  text.resize(written);
  return text;
}
