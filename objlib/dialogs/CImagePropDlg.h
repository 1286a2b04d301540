// CImagePropDlg: the image properties dialog. It edits a copy of a pasted picture's
// attribute bits (frame and stretch); the picture applies them after OK.
#pragma once

#include "KVDialog.h"

class CImagePropDlg : public KVDialog {
 public:
  CImagePropDlg();

  DWORD m_nAttr;  // after OK exactly the frame bit and the stretch bit as checked

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
};

// What a bitmap's DoProperty runs (the library installs it when it loads): frame and
// stretch in, the choice out; true on OK.
bool KVRunImagePropDlg(bool* pFrame, bool* pStretch);
