// KVDocPlugin: the document a link to a file of a registered type opens in place. It loads
// the viewer plug-in registered for the file's extension, has it create an instance for
// the file, and forwards painting, the notice that the link left the view, and the end.
#pragma once

#include "KVObjDoc.h"
#include "KVViewerPlugin.h"

class KVOBJ_API KVDocPlugin : public KVObjDoc {
 public:
  KVDocPlugin();
  ~KVDocPlugin() override;

  // Neither read from nor written as a memo: KV_ERR_NOT_SUPPORTED.
  int SetData(int version, SEG_HEAD* pSeg, int nAvail) override;
  int Save(WINDOWPLACEMENT* pPlacement, KVFile* pFile) override;
  // Always 0: without a registration, a library that loads and has the four required entry
  // points, or an instance, the document stays empty and frameless.
  int Load(KVFile* pFile) override;
  void SetSize(CSize size) override;
  void Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bSelected) override;
  void NoDraw() override;

  KVViewerInstance m_hInstance;
  char m_szTarget[MAX_PATH];
  HMODULE m_hLibrary;
  // The plug-in faulted in one of its calls: it is not called again by this document, and
  // the area shows its frame only.
  bool m_bFaulted;

 private:
  // Entry points are looked up by name each time one is called.
  FARPROC Entry(const char* name) const;
  bool HasRequiredEntries() const;
  void Unload();
  void Paint(HDC hdc, const RECT& area);
  void PaintScaled(HDC hdc, const RECT& area);
  // Runs one call into the plug-in; false (and the plug-in abandoned) when it faulted.
  template <typename Call>
  bool CallPlugin(Call&& call);
};
