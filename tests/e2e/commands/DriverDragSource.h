// Another program that drags data into the memo, played by the driver: a window that starts
// an OLE drag of its data when the left button goes down on it, as Explorer does with files
// and a browser with an address.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <atomic>
#include <vector>

#include "GlobalDataObject.h"
#include "OleWindowThread.h"

class DriverDragSource : public OleWindowThread, private IDropSource {
 public:
  DriverDragSource(const RECT& screen, const std::vector<DataBlock>& blocks);
  ~DriverDragSource() override;

  // Brings the window to the front, as a click on it would before the drag.
  bool Front() const;
  // Waits until a drag has ended; its effect then, DROPEFFECT_NONE for a cancelled one.
  bool WaitForDragEnd(DWORD timeoutMs = 15000) const;
  DWORD Effect() const { return effect_; }

 private:
  bool OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override;
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

  std::vector<DataBlock> blocks_;
  std::atomic<bool> ended_{false};
  std::atomic<DWORD> effect_{DROPEFFECT_NONE};
};
