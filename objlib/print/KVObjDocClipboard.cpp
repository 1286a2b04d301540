// The document and the system clipboard: one format a copy, the best format a paste.
#include <cstring>

#include "ClipboardFormats.h"
#include "KVObjDoc.h"
#include "LockedGlobal.h"

namespace {

// Opened without an owner window for the length of one call.
class OpenedClipboard {
 public:
  OpenedClipboard() : m_open(OpenClipboard(nullptr) != FALSE) {}
  ~OpenedClipboard() {
    if (m_open) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  bool IsOpen() const { return m_open; }

 private:
  bool m_open;
};

}  // namespace

HGLOBAL KVObjDoc::GetSelData(int nFormat) {
  if (!IsSelected()) return nullptr;
  const bool text = nFormat == CF_TEXT;
  const int size = text ? m_pContent->SelectedTextLength() + 1 : m_pContent->SelectedDataLength();
  OwnedGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
  LockedGlobal data(block.Get());
  if (!data.Data()) return nullptr;
  int written = 0;
  if (text)
    m_pContent->GetSelectedText(data.Data(), size, &written);
  else
    m_pContent->GetSelectedData(data.Data(), size, &written);
  return block.Release();
}

void KVObjDoc::PutClipboard(int nFormat, bool bCut) {
  HGLOBAL block = GetSelData(nFormat);
  if (!block) return;
  {
    OpenedClipboard clipboard;
    if (!clipboard.IsOpen()) {
      GlobalFree(block);
      return;
    }
    EmptyClipboard();
    if (!SetClipboardData(static_cast<UINT>(nFormat), block)) GlobalFree(block);
  }
  // A refused hand-over still cuts: the user asked for the selection to go.
  if (bCut) m_pContent->Delete();
}

void KVObjDoc::GetClipboard(CPoint point) {
  UINT formats[] = {CF_TEXT, KVGetClipboardFormats().dataBus, CF_HDROP, CF_BITMAP};
  int format = GetPriorityClipboardFormat(formats, 4);
  if (format <= 0) return;
  OpenedClipboard clipboard;
  if (!clipboard.IsOpen()) return;
  if (HANDLE data = GetClipboardData(static_cast<UINT>(format)))
    m_pContent->Insert(format, data, point);
}
