// Another program that takes drops: a window of the driver registered as an OLE drop target
// that copies text and moves memo data, and keeps what the last drop brought.
#include "DriverDropTarget.h"

#include "GlobalBlocks.h"
#include "Poll.h"

namespace {

bool Offers(IDataObject* data, UINT format) {
  FORMATETC query = {static_cast<CLIPFORMAT>(format), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  return data && data->QueryGetData(&query) == S_OK;
}

std::string DroppedText(IDataObject* data) {
  FORMATETC query = {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium = {};
  if (FAILED(data->GetData(&query, &medium))) return "";
  const std::string text = BytesOf(medium.hGlobal).c_str();
  ReleaseStgMedium(&medium);
  return text;
}

UINT MemoDataFormat() { return RegisterClipboardFormatA("CF_KAVELO_DATA_BUS"); }

}  // namespace

DriverDropTarget::DriverDropTarget(const RECT& screen) { Start(screen); }

DriverDropTarget::~DriverDropTarget() { Stop(); }

void DriverDropTarget::OnCreated(HWND hwnd) { RegisterDragDrop(hwnd, this); }

void DriverDropTarget::OnDestroying(HWND hwnd) { RevokeDragDrop(hwnd); }

HRESULT DriverDropTarget::QueryInterface(REFIID iid, void** object) {
  if (iid == IID_IUnknown || iid == IID_IDropTarget) {
    *object = static_cast<IDropTarget*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT DriverDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  wanted_ = Offers(data, CF_TEXT)            ? DROPEFFECT_COPY
            : Offers(data, MemoDataFormat()) ? DROPEFFECT_MOVE
                                             : DROPEFFECT_NONE;
  *effect = Answer(*effect);
  return S_OK;
}

HRESULT DriverDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
  *effect = Answer(*effect);
  return S_OK;
}

HRESULT DriverDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  DroppedData dropped;
  dropped.dropped = true;
  dropped.offeredText = Offers(data, CF_TEXT);
  dropped.offeredMemoData = Offers(data, MemoDataFormat());
  if (dropped.offeredText) dropped.text = DroppedText(data);
  dropped.effect = *effect = Answer(*effect);
  std::lock_guard<std::mutex> lock(mutex_);
  dropped_ = dropped;
  return S_OK;
}

bool DriverDropTarget::WaitForDrop(DWORD timeoutMs) const {
  return WaitUntil([this] { return Dropped().dropped; }, timeoutMs);
}

DroppedData DriverDropTarget::Dropped() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return dropped_;
}
