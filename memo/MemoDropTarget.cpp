// Dropping into the memo view: the format order, the DROPINFO messages to the view.
#include "MemoDropTarget.h"

#include "MemoGlobals.h"

namespace {

FORMATETC FormatOf(UINT format) {
  DWORD medium = format == CF_BITMAP ? TYMED_GDI : TYMED_HGLOBAL;
  return {static_cast<CLIPFORMAT>(format), nullptr, DVASPECT_CONTENT, -1, medium};
}

}  // namespace

bool CMemoDropTarget::Register(HWND view) {
  m_hView = view;
  return SUCCEEDED(RegisterDragDrop(view, this));
}

void CMemoDropTarget::Revoke() {
  if (m_hView) RevokeDragDrop(m_hView);
  m_hView = nullptr;
}

HRESULT CMemoDropTarget::QueryInterface(REFIID iid, void** object) {
  if (iid == IID_IUnknown || iid == IID_IDropTarget) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

UINT CMemoDropTarget::ChooseFormat(IDataObject* data) const {
  const UINT order[] = {g_cfUniformResourceLocator, CF_TEXT, CF_HDROP, g_cfKaveloDataBus,
                        CF_BITMAP};
  for (UINT format : order) {
    FORMATETC query = FormatOf(format);
    if (data && data->QueryGetData(&query) == S_OK) return format;
  }
  return 0;
}

DROPINFO CMemoDropTarget::MakeInfo(UINT format, DWORD keys, POINTL point) const {
  POINT client = {point.x, point.y};
  ScreenToClient(m_hView, &client);
  return {format, keys, 0, client.x, client.y, nullptr};
}

HRESULT CMemoDropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                   DWORD* effect) {
  if (m_pData) m_pData->Release();
  m_pData = data;
  if (m_pData) m_pData->AddRef();
  return DragOver(keys, point, effect);
}

HRESULT CMemoDropTarget::DragOver(DWORD keys, POINTL point, DWORD* effect) {
  UINT format = ChooseFormat(m_pData);
  if (!format) {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  DROPINFO info = MakeInfo(format, keys, point);
  SendMessageA(m_hView, WM_DRAGOVERDATA, 0, reinterpret_cast<LPARAM>(&info));
  *effect = info.effect;
  return S_OK;
}

HRESULT CMemoDropTarget::DragLeave() {
  if (m_pData) m_pData->Release();
  m_pData = nullptr;
  return S_OK;
}

// The drop does what the last drag-over promised: the view decides the effect once more.
HRESULT CMemoDropTarget::Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) {
  DWORD promised = DROPEFFECT_NONE;
  DragEnter(data, keys, point, &promised);
  DragLeave();
  *effect &= promised;
  if (*effect == DROPEFFECT_NONE) return S_OK;
  UINT format = ChooseFormat(data);
  if (!format) format = CF_TEXT;
  // Everything comes as global memory but a picture, which comes as a bitmap handle.
  FORMATETC request = FormatOf(format);
  STGMEDIUM medium = {};
  if (FAILED(data->GetData(&request, &medium)) || medium.tymed != request.tymed) {
    if (medium.tymed != TYMED_NULL) ReleaseStgMedium(&medium);
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  DROPINFO info = MakeInfo(format, 0, point);
  info.effect = *effect;
  info.hData = format == CF_BITMAP ? reinterpret_cast<HGLOBAL>(medium.hBitmap) : medium.hGlobal;
  SendMessageA(m_hView, WM_DROPDATA, 0, reinterpret_cast<LPARAM>(&info));
  ReleaseStgMedium(&medium);
  return S_OK;
}
