// Another program that drags data into the memo, played by the driver: a window that starts
// an OLE drag of its data when the left button goes down on it.
#include "DriverDragSource.h"

#include "Poll.h"

DriverDragSource::DriverDragSource(const RECT& screen, const std::vector<DataBlock>& blocks)
    : blocks_(blocks) {
  Start(screen);
}

DriverDragSource::~DriverDragSource() { Stop(); }

// The drag loop follows the mouse through the capture of its thread, which Wine honours only
// for the thread in front.
bool DriverDragSource::Front() const {
  return WaitUntil([this] {
    if (GetForegroundWindow() == Window()) return true;
    SetForegroundWindow(Window());
    return false;
  });
}

bool DriverDragSource::OnMessage(HWND, UINT message, WPARAM, LPARAM) {
  if (message != WM_LBUTTONDOWN) return false;
  auto* data = new GlobalDataObject(blocks_);
  DWORD effect = DROPEFFECT_NONE;
  HRESULT result =
      DoDragDrop(data, this, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
  data->Release();
  effect_ = result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
  ended_ = true;
  return true;
}

HRESULT DriverDragSource::QueryInterface(REFIID iid, void** object) {
  if (iid == IID_IUnknown || iid == IID_IDropSource) {
    *object = static_cast<IDropSource*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT DriverDragSource::QueryContinueDrag(BOOL escape, DWORD keys) {
  if (escape) return DRAGDROP_S_CANCEL;
  return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
}

bool DriverDragSource::WaitForDragEnd(DWORD timeoutMs) const {
  return WaitUntil([this] { return ended_.load(); }, timeoutMs);
}
