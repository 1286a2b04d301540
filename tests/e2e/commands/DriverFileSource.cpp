// A file manager played by the driver: a window that starts an OLE drag of a file list
// (CF_HDROP) when the left button goes down on it, as Explorer does.
#include "DriverFileSource.h"

#include "GlobalDataObject.h"
#include "Poll.h"

DriverFileSource::DriverFileSource(const RECT& screen, const std::vector<std::string>& files)
    : files_(files) {
  Start(screen);
}

DriverFileSource::~DriverFileSource() { Stop(); }

bool DriverFileSource::OnMessage(HWND, UINT message, WPARAM, LPARAM) {
  if (message != WM_LBUTTONDOWN) return false;
  std::vector<const char*> paths;
  for (const std::string& file : files_) paths.push_back(file.c_str());
  auto* data =
      new GlobalDataObject(CF_HDROP, MakeFileList(paths.data(), static_cast<int>(paths.size())));
  DWORD effect = DROPEFFECT_NONE;
  HRESULT result =
      DoDragDrop(data, this, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
  data->Release();
  effect_ = result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
  ended_ = true;
  return true;
}

HRESULT DriverFileSource::QueryInterface(REFIID iid, void** object) {
  if (iid == IID_IUnknown || iid == IID_IDropSource) {
    *object = static_cast<IDropSource*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT DriverFileSource::QueryContinueDrag(BOOL escape, DWORD keys) {
  if (escape) return DRAGDROP_S_CANCEL;
  return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
}

bool DriverFileSource::WaitForDragEnd(DWORD timeoutMs) const {
  return WaitUntil([this] { return ended_.load(); }, timeoutMs);
}
