// The document root: its stream form, loading, saving and dirty state.
#include "KVObjDoc.h"

#include <cstring>
#include <new>

#include "KVErrors.h"
#include "KVFile.h"
#include "KVProfile.h"
#include "LockedGlobal.h"
#include "MeasuringDC.h"
#include "MemoChain.h"
#include "SjisText.h"
#include "StreamHead.h"

namespace {

const int kDocHeadFixed = 63;  // header, version, placement, two scroll positions, the zero
const int kPlacementSize = 44;
const int kNameOffset = 56;  // in the document head's body

}  // namespace

KVObjDoc::KVObjDoc()
    : m_wndpl(), m_szPath(), m_nScrollX(0), m_nScrollY(0), m_pContent(nullptr) {
  m_wCode = SEG_TBOX;
  m_wndpl.length = 0;  // none stored
}

KVObjDoc::~KVObjDoc() { delete m_pContent; }

int KVObjDoc::HeadDataLength() {
  return kDocHeadFixed + static_cast<int>(m_strDocName.size()) + m_page.DataLength();
}

int KVObjDoc::GetHeadData(char* pBuf, int nSize) {
  int needed = HeadDataLength();
  if (nSize < needed) return 0;
  int headLength = kDocHeadFixed + static_cast<int>(m_strDocName.size());
  std::memset(pBuf, 0, headLength);
  KVWriteU16(pBuf, SEG_DOCHEAD);
  KVWriteU32(pBuf + 2, headLength - sizeof(SEG_HEAD));
  KVWriteU32(pBuf + 6, KV_FORMAT_VERSION);
  std::memcpy(pBuf + 10, &m_wndpl, kPlacementSize);
  KVWriteU32(pBuf + 54, static_cast<uint32_t>(m_nScrollX));
  KVWriteU32(pBuf + 58, static_cast<uint32_t>(m_nScrollY));
  std::memcpy(pBuf + 62, m_strDocName.c_str(), m_strDocName.size() + 1);
  int written = 0;
  m_page.GetData(pBuf + headLength, nSize - headLength, &written);
  return headLength + written;
}

int KVObjDoc::DataBodyLength() { return m_pContent->DataLength(); }

int KVObjDoc::GetDataBody(char* pBuf, int nSize) {
  int written = 0;
  m_pContent->GetData(pBuf, nSize, &written);
  return written;
}

int KVObjDoc::TailDataLength() { return 2; }

int KVObjDoc::GetTailData(char* pBuf, int nSize) {
  if (nSize < 2) return 0;
  KVWriteU16(pBuf, SEG_END);
  return 2;
}

// Nothing of the document changes unless the whole stream reads: the head and page are
// checked first, the content reads into itself only when its run is sound, and only then
// do the head's values replace the document's.
int KVObjDoc::SetData(int version, SEG_HEAD* pSeg, int nAvail) {
  const char* start = reinterpret_cast<const char*>(pSeg);
  const char* end = start + (nAvail > 0 ? nAvail : 0);
  KVStreamHead head;
  int result = KVScanStreamHead(start, end, &head);
  if (result < 0) return result;
  if (head.docHead) {
    if (head.docHeadLength <= kNameOffset ||
        !std::memchr(head.docHead + kNameOffset, 0, head.docHeadLength - kNameOffset))
      return KV_ERR_READ_WRITE;
    version = head.version;
  }
  if (head.page && head.pageLength < sizeof(PAGESIZE)) return KV_ERR_READ_WRITE;
  const char* content = head.content;
  int consumed = m_pContent->SetData(version, reinterpret_cast<SEG_HEAD*>(const_cast<char*>(content)),
                                     static_cast<int>(end - content));
  if (consumed < 0) return consumed;
  if (head.docHead) {
    std::memcpy(&m_wndpl, head.docHead + 4, kPlacementSize);
    m_nScrollX = static_cast<int>(KVReadU32(head.docHead + 48));
    m_nScrollY = static_cast<int>(KVReadU32(head.docHead + 52));
    m_strDocName = head.docHead + kNameOffset;
  }
  if (head.page) {
    m_page.SetData(version, reinterpret_cast<SEG_HEAD*>(const_cast<char*>(head.page) - sizeof(SEG_HEAD)),
                   static_cast<int>(head.pageLength + sizeof(SEG_HEAD)));
    m_page.m_bDerty = false;
  }
  const char* after = content + consumed;
  if (KVPeekCode(after, end) == SEG_END) after += 2;
  return static_cast<int>(after - start);
}

int KVObjDoc::Save(WINDOWPLACEMENT* pPlacement, KVFile* pFile) {
  KVProfileSnapshot settings;  // each link's path is put in macro form from the settings
  if (pPlacement) m_wndpl = *pPlacement;
  int length = DataLength();
  char* buffer = new (std::nothrow) char[length]();
  if (!buffer) return KV_ERR_NO_MEMORY;
  int written = 0;
  GetData(buffer, length, &written);
  int result = pFile->WriteFile(buffer, written);
  delete[] buffer;
  if (result >= 0) ClearDerty();
  return result;
}

int KVObjDoc::Load(KVFile* pFile) {
  KVLoadReport report;
  return LoadReporting(pFile, &report);
}

int KVObjDoc::LoadReporting(KVFile* pFile, KVLoadReport* pReport) {
  *pReport = KVLoadReport{false, false, 0};
  MeasuringDC::Hold measuring;
  KVProfileSnapshot settings;
  MemoChain::Within reading(MemoChain::Around(*pFile));  // links read know the memos above
  void* block = nullptr;
  int length = pFile->ReadFile(&block);
  if (length < 0) return length;
  pReport->bytesRead = true;
  OwnedGlobal owned(static_cast<HGLOBAL>(block));
  LockedGlobal locked(owned.Get());
  char* data = locked.Data();
  if (!data) return KV_ERR_NO_MEMORY;
  int result = 1;
  if (pFile->FileType() == FT_MEMO) {
    pReport->docHead = KVPeekCode(data, data + length) == SEG_DOCHEAD;
    int read = SetData(0, reinterpret_cast<SEG_HEAD*>(data), length);
    if (read < 0) result = read;
    else pReport->unread = length - read;
  } else {
    result = ImportText(data);
    if (result >= 0) {
      m_pContent->m_nAttr = KVGetProfileInt(kImportedTextAttr);
      m_pContent->m_crBackColor = KVGetProfileInt(kImportedTextBackColor);
      m_strDocName.clear();
      result = 1;
    }
  }
  if (result >= 0) {
    m_crBackColor = m_pContent->m_crBackColor;
    pFile->GetPathName(m_szPath);
  }
  return result;
}

int KVObjDoc::ImportText(char*) { return KV_ERR_NOT_SUPPORTED; }

bool KVObjDoc::IsDerty() { return m_bDerty || m_pContent->IsDerty() || m_page.IsDerty(); }

void KVObjDoc::ClearDerty() {
  m_bDerty = false;
  m_pContent->ClearDerty();
  m_page.ClearDerty();
}

bool KVObjDoc::CanPaste() { return m_pContent->CanPaste(); }
bool KVObjDoc::CanUndo() { return m_pContent->CanUndo(); }
bool KVObjDoc::CanRedo() { return m_pContent->CanRedo(); }
bool KVObjDoc::IsSelected() { return false; }
bool KVObjDoc::IsLinkSelected() { return false; }
bool KVObjDoc::IsObjSelected() { return false; }
int KVObjDoc::PrintDoc(HDC, CRect, char*) { return 0; }

void KVObjDoc::SetListItemSize(LIST* pNode, CSize size) { m_pContent->SetItemSize(pNode, size); }

int KVObjDoc::SaveContentText(KVFile* pFile) {
  const int length = m_pContent->TextBodyLength();
  if (length == 0) return 0;
  char* text = new (std::nothrow) char[length + 1]();
  if (!text) return KV_ERR_NO_MEMORY;
  int written = m_pContent->GetTextBody(text, length + 1);
  int result = pFile->WriteFile(text, written);
  delete[] text;
  return result < 0 ? result : 0;
}
