// A file manager played by the driver: a window that starts an OLE drag of a file list
// (CF_HDROP) when the left button goes down on it, as Explorer does.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <atomic>
#include <string>
#include <vector>

#include "OleWindowThread.h"

class DriverFileSource : public OleWindowThread, private IDropSource {
 public:
  DriverFileSource(const RECT& screen, const std::vector<std::string>& files);
  ~DriverFileSource() override;

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

  std::vector<std::string> files_;
  std::atomic<bool> ended_{false};
  std::atomic<DWORD> effect_{DROPEFFECT_NONE};
};
