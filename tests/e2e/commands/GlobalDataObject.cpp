// Data offered in a drag by the driver: one block of global memory in one clipboard format.
#include "GlobalDataObject.h"

#include <shlobj.h>

#include <cstring>
#include <string>

GlobalDataObject::GlobalDataObject(UINT format, HGLOBAL data)
    : format_{static_cast<CLIPFORMAT>(format), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL},
      data_(data) {}

HRESULT GlobalDataObject::QueryInterface(REFIID iid, void** object) {
  if (iid == IID_IUnknown || iid == IID_IDataObject) {
    *object = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG GlobalDataObject::Release() {
  const LONG refs = InterlockedDecrement(&refs_);
  if (refs == 0) delete this;
  return refs;
}

HRESULT GlobalDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
  const SIZE_T size = GlobalSize(data_);
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  void* to = copy ? GlobalLock(copy) : nullptr;
  if (!to) {
    if (copy) GlobalFree(copy);
    return E_OUTOFMEMORY;
  }
  std::memcpy(to, GlobalLock(data_), size);
  GlobalUnlock(data_);
  GlobalUnlock(copy);
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = copy;
  medium->pUnkForRelease = nullptr;
  return S_OK;
}

HRESULT GlobalDataObject::QueryGetData(FORMATETC* format) {
  return format->cfFormat == format_.cfFormat && (format->tymed & TYMED_HGLOBAL) ? S_OK
                                                                                 : DV_E_FORMATETC;
}

HRESULT GlobalDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
  out->ptd = nullptr;
  return DATA_S_SAMEFORMATETC;
}

HRESULT GlobalDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
  if (direction != DATADIR_GET) return E_NOTIMPL;
  return SHCreateStdEnumFmtEtc(1, &format_, formats);
}

HGLOBAL MakeFileList(const char* const* paths, int count) {
  std::string names;
  for (int i = 0; i < count; ++i) names.append(paths[i]).push_back('\0');
  names.push_back('\0');
  HGLOBAL list = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
  auto* files = static_cast<DROPFILES*>(GlobalLock(list));
  files->pFiles = sizeof(DROPFILES);
  files->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), names.data(), names.size());
  GlobalUnlock(list);
  return list;
}
