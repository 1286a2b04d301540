// Another program that takes drops: a window of the driver registered as an OLE drop target
// that copies text (as an editor takes text from another program) and moves memo data, and
// keeps what the last drop brought.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <mutex>
#include <string>

#include "OleWindowThread.h"

struct DroppedData {
  bool dropped = false;
  bool offeredText = false;      // CF_TEXT
  bool offeredMemoData = false;  // "CF_KAVELO_DATA_BUS"
  std::string text;              // the CF_TEXT bytes, up to the terminating zero
  DWORD effect = DROPEFFECT_NONE;
};

class DriverDropTarget : public OleWindowThread, private IDropTarget {
 public:
  // Takes drops of text or memo data.
  explicit DriverDropTarget(const RECT& screen);
  ~DriverDropTarget() override;

  bool WaitForDrop(DWORD timeoutMs = 15000) const;
  DroppedData Dropped() const;

 private:
  void OnCreated(HWND hwnd) override;
  void OnDestroying(HWND hwnd) override;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override;

  DWORD Answer(DWORD allowed) const { return allowed & wanted_; }

  DWORD wanted_ = DROPEFFECT_NONE;
  mutable std::mutex mutex_;
  DroppedData dropped_;
};
