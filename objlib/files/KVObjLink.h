// KVObjLink: a link standing inline for a file, folder or address: an icon and a caption,
// and, made taller, the target opened in place below them.
#pragma once

#include <string>

#include "KVFile.h"
#include "KVObject.h"
#include "MemoChain.h"
#include "SettingsSchema.h"

class KVObjDoc;

// Attribute bits of a link, the library's names for the stored values.
const DWORD LA_BORDER = kLinkAttrBorder;
const DWORD LA_NOCLOSE = kLinkAttrNoClose;
const DWORD LA_NOOPEN = kLinkAttrNoOpen;
const DWORD LA_DOCNAME = kLinkAttrDocName;
const DWORD LA_HIDEEXT = kLinkAttrHideExt;
const DWORD LA_HIDEPATH = kLinkAttrHidePath;
const DWORD LA_FILENAME = kLinkAttrFileName;
const DWORD LA_ICON = kLinkAttrIcon;
const DWORD LA_OPEN = kLinkAttrOpen;

class KVOBJ_API KVObjLink : public KVObject {
 public:
  KVObjLink();
  KVObjLink(const KVObjLink& other);
  KVObjLink(int version, SEG_HEAD* pSeg, int nAvail);
  KVObjLink(const char* pszCaption, const KVFile& file);
  ~KVObjLink() override;

  void CalcSize(HDC hdc) override;
  void ChangeFont(LOGFONT* pFont) override;
  CSize MinSize() override;
  int DoProperty() override;
  int SetData(int version, SEG_HEAD* pSeg, int nAvail) override;
  int Action() override;
  int GetText(char* pBuf, int nSize, int* pWritten) override;
  int TextLength() override;
  int GetData(char* pBuf, int nSize, int* pWritten) override;
  void SetSize(CSize size) override;
  void Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bSelected) override;
  void NoDraw() override;

  int Open();
  int Close();
  int FileType() const { return m_file.FileType(); }
  void ReloadLinkFile(const LINK* pChanged);
  int GetLinkFileData(void** ppBlock) { return m_file.ReadFile(ppBlock); }
  bool DoChildHScroll(unsigned code, unsigned pos);
  bool DoChildVScroll(unsigned code, unsigned pos);
  // While the editor types into the document opened in place, its selection shows and a
  // frame in the selection colour marks it.
  void SetEditing(bool editing) { m_bEditing = editing; }
  bool IsEditing() const { return m_bEditing; }
  // Called with a document opened in place that has unsaved edits just before the link
  // lets it go (closed, made small, or the link itself deleted for good), so the editor can
  // write them to its file. None by default.
  using ChildEditsHandler = void (*)(KVObjDoc* pChild);
  static void SetChildEditsHandler(ChildEditsHandler handler);
  // True when the document opened in place, or one opened in place inside it, has unsaved
  // edits; a reload then reads only the clean memos inside it again.
  bool HasUnsavedEdits();
  // True when the document opened in place read its file to the end: only then may it be
  // written back over that file.
  bool IsChildWhole() const { return m_pChild && m_bChildWhole; }

  std::string m_strCaption;
  char m_szPath[MAX_PATH];
  char m_szDocName[128];
  KVFile m_file;
  RECT m_rcCaption;
  KVObjDoc* m_pChild;  // owned: the document opened in place, deleted when closed
  RECT m_rcChild;

 protected:
  // The caption for the given attribute bits, at most 259 bytes.
  void GetCaption(DWORD attr, char* pszDst) const;
  CSize GetCaptionSize(HDC hdc);
  CSize IconSize(HDC hdc);
  void Layout(HDC hdc);
  int OpenLinkFile();

 private:
  void RefreshTargetCaches();
  void CloseChild();
  // The memos above the link, a stand-in for its unknown document when it was not read
  // from a memo: a memo among them, or a chain already two deep, does not open in place.
  MemoChainPtr ChainAbove() const;
  bool MayOpenMemoInPlace() const;
  void UpdateDataSize() { m_nDataSize = 563 + static_cast<DWORD>(m_strCaption.size()); }

  MemoChainPtr m_ancestors;  // the memos being read when the link was made or read
  bool m_bEditing = false;
  bool m_bChildWhole = false;
};
