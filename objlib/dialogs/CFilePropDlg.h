// CFilePropDlg: the document properties dialog. It edits copies of a document's title,
// its box's wrapping bit and its background colour; the document applies them after OK.
#pragma once

#include <string>

#include "KVDialog.h"

class CFilePropDlg : public KVDialog {
 public:
  CFilePropDlg();

  std::string m_strDocName;  // title, at most 100 bytes
  std::string m_strPath;     // the file's path, shown only
  DWORD m_nAttr;             // the box's attribute bits; the dialog changes bit 30 only
  COLORREF m_crBackColor;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;
  bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;
};
