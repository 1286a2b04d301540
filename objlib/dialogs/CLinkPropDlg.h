// CLinkPropDlg: the link properties dialog. It edits copies of a link's heading, target
// file name, caption mode, attribute bits and colours; the link applies them after OK.
#pragma once

#include <string>

#include "KVDialog.h"

class CLinkPropDlg : public KVDialog {
 public:
  CLinkPropDlg();

  std::string m_strCaption;  // heading, at most 200 bytes
  std::string m_strPath;     // target file name, at most 259 bytes
  std::string m_strDocName;  // title of a linked memo, shown only
  int m_nType;               // file type of the target: a memo offers the title mode
  DWORD m_nAttr;
  COLORREF m_crColor;
  COLORREF m_crBackColor;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;
  bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;

 private:
  int CaptionMode() const;
  void EnablePathBoxes();
  void Browse();
};
