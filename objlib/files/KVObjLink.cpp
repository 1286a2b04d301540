// Links: construction from a target, captions, sizes, and opening the target in place.
#include "KVObjLink.h"

#include <algorithm>
#include <cstring>

#include "KVDocBmap.h"
#include "KVDocFig.h"
#include "KVDocPlugin.h"
#include "KVDocText.h"
#include "KVErrors.h"
#include "KVFilePaths.h"
#include "KVProfile.h"
#include "MeasuringDC.h"
#include "MemoKind.h"
#include "SjisText.h"

namespace {

// Memo links open in place at most two levels below the top document.
const int kMaxMemosAbove = 2;

KVObjLink::ChildEditsHandler g_childEditsHandler = nullptr;

// The settings for new links of a type.
const LinkKindSettings& SettingsOfKind(int type) {
  switch (type) {
    case FT_MEMO: return kMemoLinkSettings;
    case FT_IMAGE: return kImageLinkSettings;
    case FT_URL: return kUrlLinkSettings;
    default: return kFileLinkSettings;
  }
}

}  // namespace

KVObjLink::KVObjLink()
    : m_strCaption(" "),
      m_szPath(),
      m_szDocName(),
      m_rcCaption(),
      m_pChild(nullptr),
      m_rcChild(),
      m_ancestors(MemoChain::Current()) {
  m_wCode = SEG_LINK;
  m_nAttr = KVGetProfileInt(kLinkAttr);
  m_crBackColor = KVGetProfileInt(kLinkBackColor);
  m_crColor = KVGetProfileInt(kLinkTextColor);
  UpdateDataSize();
}

KVObjLink::KVObjLink(int version, SEG_HEAD* pSeg, int nAvail) : KVObjLink() {
  SetData(version, pSeg, nAvail);
}

KVObjLink::KVObjLink(const char* pszCaption, const KVFile& file) : KVObjLink() {
  MeasuringDC::Hold measuring;
  KVProfileSnapshot settings;
  const LinkKindSettings& kind = SettingsOfKind(file.FileType());
  m_nAttr = KVGetProfileInt(kind.attr);
  m_crBackColor = KVGetProfileInt(kind.backColor);
  m_crColor = KVGetProfileInt(kind.textColor);
  m_file = file;
  RefreshTargetCaches();
  if (pszCaption && *pszCaption) {
    m_strCaption = pszCaption;
  } else {
    char caption[MAX_PATH];
    GetCaption(m_nAttr | LA_FILENAME, caption);
    m_strCaption = caption;
  }
  CSize captionSize = GetCaptionSize(nullptr);
  CSize icon = IconSize(nullptr);
  CSize size(captionSize.cx + 4, captionSize.cy);
  if (file.FileType() == FT_IMAGE && KVGetProfileInt(kImageLinkAutoOpen)) {
    // Layout puts the picture below the caption row, which is at least an icon high.
    size = CSize(static_cast<int>(KVGetProfileInt(kImageLinkOpenWidth)) + 4,
                 icon.cy + static_cast<int>(KVGetProfileInt(kImageLinkOpenHeight)) + 4);
  } else if (m_nAttr & LA_ICON) {
    size = CSize(captionSize.cx + icon.cx + 2, std::max(captionSize.cy, icon.cy));
  }
  SetSize(size);
  m_bDerty = false;
  UpdateDataSize();
}

KVObjLink::KVObjLink(const KVObjLink& other)
    : KVObject(other),
      m_strCaption(other.m_strCaption),
      m_rcCaption(other.m_rcCaption),
      m_pChild(nullptr),
      m_rcChild(other.m_rcChild),
      m_ancestors(other.m_ancestors) {
  std::memcpy(m_szPath, other.m_szPath, sizeof m_szPath);
  std::memcpy(m_szDocName, other.m_szDocName, sizeof m_szDocName);
  m_file = other.m_file;
  SetSize(CSize(cx, cy));
  if (m_pChild && other.m_pChild) {
    m_pChild->m_nScrollX = other.m_pChild->m_nScrollX;
    m_pChild->m_nScrollY = other.m_pChild->m_nScrollY;
  }
  m_bDerty = other.m_bDerty;
}

KVObjLink::~KVObjLink() { CloseChild(); }

void KVObjLink::SetChildEditsHandler(ChildEditsHandler handler) { g_childEditsHandler = handler; }

void KVObjLink::RefreshTargetCaches() {
  m_szPath[0] = '\0';
  if (m_file.GetPathName(m_szPath) != KV_OK && m_file.IsAttached()) {
    // A record kept unexpanded shows its stored path, so the caption still names the file.
    const char* stored = m_file.GetLink()->szPath;
    KVCopyCut(m_szPath, sizeof m_szPath, std::string(stored, strnlen(stored, MAX_PATH)).c_str());
  }
  char title[MAX_PATH] = "";
  m_file.GetDocName(title);
  KVCopyCut(m_szDocName, sizeof m_szDocName, title);
}

void KVObjLink::GetCaption(DWORD attr, char* pszDst) const {
  pszDst[0] = '\0';
  if ((attr & LA_FILENAME) && (attr & LA_DOCNAME)) {
    KVCopyCut(pszDst, MAX_PATH, m_szDocName);
  } else if (attr & LA_FILENAME) {
    if (m_file.FileType() == FT_URL) {
      KVCopyCut(pszDst, MAX_PATH, m_szPath);
      return;
    }
    char drive[_MAX_DRIVE], dir[_MAX_DIR], name[_MAX_FNAME], ext[_MAX_EXT];
    _splitpath(m_szPath, drive, dir, name, ext);
    std::string caption;
    if (!(m_nAttr & LA_HIDEPATH)) caption = std::string(drive) + dir;
    caption += name;
    if (!(m_nAttr & LA_HIDEEXT)) caption += ext;
    KVCopyCut(pszDst, MAX_PATH, caption.c_str());
    return;
  } else {
    KVCopyCut(pszDst, MAX_PATH, m_strCaption.c_str());
  }
  if (pszDst[0] == '\0') KVCopyCut(pszDst, MAX_PATH, "無題");
}

int KVObjLink::TextLength() {
  char caption[MAX_PATH];
  GetCaption(m_nAttr, caption);
  return static_cast<int>(std::strlen(caption));
}

int KVObjLink::GetText(char* pBuf, int nSize, int* pWritten) {
  char caption[MAX_PATH];
  GetCaption(m_nAttr, caption);
  int length = static_cast<int>(std::strlen(caption));
  *pWritten = 0;
  if (nSize >= length + 1) {
    std::memcpy(pBuf, caption, length + 1);
    *pWritten = length;
  }
  return length;
}

CSize KVObjLink::GetCaptionSize(HDC hdc) {
  char caption[MAX_PATH];
  GetCaption(m_nAttr, caption);
  return StrSize(caption, hdc);
}

CSize KVObjLink::IconSize(HDC hdc) {
  const int small = GetSystemMetrics(SM_CXSMICON);
  int textHeight = StrSize(m_strCaption.c_str(), hdc).cy;
  return CSize(DevPixelX(small + 4, hdc), std::max(DevPixelY(small + 4, hdc), textHeight));
}

CSize KVObjLink::MinSize() { return IconSize(nullptr); }

void KVObjLink::Layout(HDC hdc) {
  const int p = DevPixelX(2, hdc);
  const int q = DevPixelY(2, hdc);
  CSize icon = IconSize(hdc);
  int captionLeft = (m_nAttr & LA_ICON) ? icon.cx : (m_nAttr & LA_BORDER) ? p : 0;
  m_rcCaption = {captionLeft, 0, cx, icon.cy};
  if (icon.cy < cy)
    m_rcChild = {p, icon.cy, cx - p, cy - q};
  else
    m_rcChild = {p, icon.cy, p, icon.cy};
}

void KVObjLink::CloseChild() {
  if (m_pChild && g_childEditsHandler && m_pChild->IsDerty()) g_childEditsHandler(m_pChild);
  delete m_pChild;
  m_pChild = nullptr;
}

void KVObjLink::SetSize(CSize size) {
  const int h = IconSize(nullptr).cy;
  int height = size.cy;
  if (height < 2 * h || m_file.FileType() == FT_MISSING) height = h;
  const bool wasOpen = m_pChild || cy >= 2 * h;  // a memo kept closed inside itself is open
  cx = size.cx;
  cy = height;
  Layout(nullptr);
  if (height < 2 * h) {
    if (wasOpen) {
      CloseChild();
      m_nAttr &= ~LA_OPEN;
    }
  } else if (m_pChild) {
    m_pChild->m_nAttr |= 1;
    m_pChild->x = m_rcChild.left;
    m_pChild->y = m_rcChild.top;
    m_pChild->SetSize(CSize(m_rcChild.right - m_rcChild.left, m_rcChild.bottom - m_rcChild.top));
  } else {
    OpenLinkFile();
  }
  m_bDerty = true;
}

int KVObjLink::Open() {
  if (!(m_nAttr & LA_NOOPEN)) SetSize(CSize(cx, 3 * IconSize(nullptr).cy));
  return 0;
}

int KVObjLink::Close() {
  if (!(m_nAttr & LA_NOCLOSE)) SetSize(CSize(cx, IconSize(nullptr).cy));
  return 0;
}

MemoChainPtr KVObjLink::ChainAbove() const {
  return m_ancestors ? m_ancestors : std::make_shared<MemoChain>("", nullptr);
}

bool KVObjLink::MayOpenMemoInPlace() const {
  MemoChainPtr above = ChainAbove();
  return above->Length() <= kMaxMemosAbove && !above->Contains(m_szPath);
}

// Memos (within the depth limit, and never inside themselves: a self link would load its
// memo again for every link at every level) open as the document their content calls for,
// text files as text, pictures as an image document, files of a registered type through
// their viewer plug-in. A memo that may not open leaves the slot empty and LA_OPEN as read.
int KVObjLink::OpenLinkFile() {
  if (m_pChild) return 0;
  const int type = m_file.FileType();
  const bool memo = type == FT_MEMO;
  if (memo && !MayOpenMemoInPlace()) return 0;
  if (memo && KVIsFigureMemo(m_szPath))
    m_pChild = new KVDocFig();
  else if (type == FT_TEXT || memo)
    m_pChild = new KVDocText();
  else if (type == FT_IMAGE)
    m_pChild = new KVDocBmap();
  else if (type == FT_PLUGIN)
    m_pChild = new KVDocPlugin();
  else
    return 0;
  m_nAttr |= LA_OPEN;
  m_pChild->x = m_rcChild.left;
  m_pChild->y = m_rcChild.top;
  m_pChild->SetSize(CSize(m_rcChild.right - m_rcChild.left, m_rcChild.bottom - m_rcChild.top));
  m_pChild->m_nAttr |= 1;
  MemoChain::Within inside(ChainAbove());
  // Pictures and plug-in views read their files in their own Load.
  KVLoadReport report;
  const int result =
      memo ? m_pChild->LoadReporting(&m_file, &report) : m_pChild->Load(&m_file);
  m_bChildWhole = result >= 0 && (!memo || (report.docHead && report.unread == 0));
  return result;
}

void KVObjLink::CalcSize(HDC hdc) {
  KVObject::CalcSize(hdc);
  const int h = IconSize(hdc).cy;
  if (cy < 2 * h) cy = h;
  Layout(hdc);
  if (m_pChild) m_pChild->CalcSize(hdc);
}

void KVObjLink::ChangeFont(LOGFONT* pFont) {
  const int oldCaptionBottom = m_rcCaption.bottom;
  const bool collapsed = cy < 2 * oldCaptionBottom;
  m_logFont = *pFont;
  const int h = IconSize(nullptr).cy;
  SetSize(CSize(cx, collapsed ? h : cy + h - oldCaptionBottom));
}

void KVObjLink::NoDraw() {
  if (m_pChild) m_pChild->NoDraw();
}

int KVObjLink::Action() { return m_file.ExecFile(); }

bool KVObjLink::DoChildHScroll(unsigned code, unsigned pos) {
  return m_pChild ? m_pChild->DoHScroll(code, pos) : false;
}

bool KVObjLink::DoChildVScroll(unsigned code, unsigned pos) {
  return m_pChild ? m_pChild->DoVScroll(code, pos) : false;
}

bool KVObjLink::HasUnsavedEdits() {
  if (!m_pChild) return false;
  if (m_pChild->IsDerty()) return true;
  for (LIST* node = m_pChild->m_pContent->m_list.pHead; node; node = node->pNext) {
    auto* link = dynamic_cast<KVObjLink*>(node->pObj);
    if (link && link->HasUnsavedEdits()) return true;
  }
  return false;
}

void KVObjLink::ReloadLinkFile(const LINK* pChanged) {
  if (!m_pChild) return;
  // The record comes from another window and may lack its zero.
  const std::string changed =
      pChanged ? std::string(pChanged->szPath, strnlen(pChanged->szPath, MAX_PATH)) : "";
  if ((pChanged && !KVIsSameFile(changed.c_str(), m_szPath)) || HasUnsavedEdits()) {
    if (m_file.FileType() == FT_MEMO)
      m_pChild->m_pContent->ReloadLinkFile(const_cast<LINK*>(pChanged));
    return;
  }
  CloseChild();
  OpenLinkFile();
}
