// Clipboard and drop data into a figure box: text, memo streams, addresses, pictures and
// dropped files, the last three placed at the point of the drop.
#include <windows.h>

#include "ClipboardFormats.h"
#include "DroppedFiles.h"
#include "KVErrors.h"
#include "KVFont.h"
#include "KVObjBmap.h"
#include "KVObjFBox.h"
#include "KVObjLink.h"
#include "LockedGlobal.h"
#include "StreamHead.h"
#include "KVWaitCursor.h"

namespace {

const int kFigureHeadSize = 30;

LIST* NodeAt(KVObject* object, CPoint at) {
  object->x = at.x;
  object->y = at.y;
  return KVNewNode(object);
}

}  // namespace

int KVObjFBox::Insert(int nFormat, void* pData, CPoint point) {
  KVWaitCursor wait;
  const KVClipboardFormatIds& formats = KVGetClipboardFormats();
  const UINT format = static_cast<UINT>(nFormat);
  LIST* run = nullptr;
  if (format == CF_TEXT) {
    LockedGlobal text(static_cast<HGLOBAL>(pData));
    run = StrToList(text.Text().c_str(), 0, &g_DefaultFont);
  } else if (format == formats.dataBus || format == formats.extendFile) {
    LockedGlobal stream(static_cast<HGLOBAL>(pData));
    if (stream.Data()) run = StreamToList(stream.Data(), stream.End(), format == formats.extendFile);
  } else if (format == formats.url) {
    run = LinkFromAddress(static_cast<HGLOBAL>(pData), point);
  } else if (format == CF_BITMAP) {
    run = BitmapFrom(static_cast<HBITMAP>(pData), point);
  } else if (format == CF_HDROP) {
    run = LinksFromDrop(static_cast<HDROP>(pData), point);
  }
  return Insert(run);
}

// The objects of a memo-data block, or of a whole memo file behind its head segments, in
// the file's own format version. A block that does not parse yields nothing, and its
// error goes to *pResult when asked for (0 for a sound block, even an empty one).
LIST* KVObjFBox::StreamToList(const char* data, const char* end, bool skipDocHead, int* pResult) {
  int result = KV_ERR_READ_WRITE;
  if (!pResult) pResult = &result;
  *pResult = KV_ERR_READ_WRITE;
  KVStreamHead head;
  const int found = KVFindStreamContent(data, end, skipDocHead, &head);
  if (found < 0) {
    *pResult = found;
    return nullptr;
  }
  const char* p = head.content;
  int endCode = SEG_END;
  if (KVPeekCode(p, end) == SEG_FBOX) {
    if (end - p < kFigureHeadSize) return nullptr;
    p += kFigureHeadSize;
    endCode = SEG_FBOX_END;
  }
  auto* cursor = reinterpret_cast<SEG_HEAD*>(const_cast<char*>(p));
  return SegToList(head.version, &cursor, endCode, end, pResult);
}

LIST* KVObjFBox::LinkFromAddress(HGLOBAL address, CPoint at) {
  LockedGlobal text(address);
  if (!text.Data()) return nullptr;
  KVFile file;
  if (file.Attach(text.Text().c_str()) == KV_ERR_TOO_LONG) return nullptr;
  return NodeAt(new KVObjLink(nullptr, file), at);
}

// A picture that cannot be taken (no bitmap, unknown depth, too large) yields nothing.
LIST* KVObjFBox::BitmapFrom(HBITMAP bitmap, CPoint at) {
  auto* picture = new KVObjBmap();
  if (picture->Attach(bitmap) < 0) {
    delete picture;
    return nullptr;
  }
  return NodeAt(picture, at);
}

// Every dropped file becomes a link at the same point; a path too long for a link is
// left out rather than cut into the name of another file.
LIST* KVObjFBox::LinksFromDrop(HDROP drop, CPoint at) {
  LIST* first = nullptr;
  LIST* last = nullptr;
  for (const std::string& path : KVReadDroppedFiles(drop)) {
    KVFile file;
    if (file.Attach(path.c_str()) == KV_ERR_TOO_LONG) continue;
    LIST* node = NodeAt(new KVObjLink(nullptr, file), at);
    node->pPrev = last;
    (last ? last->pNext : first) = node;
    last = node;
  }
  return first;
}
