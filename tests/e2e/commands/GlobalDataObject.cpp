// Data offered in a drag by the driver: blocks of global memory, one per clipboard format.
#include "GlobalDataObject.h"

#include <shlobj.h>

#include "GlobalBlocks.h"

GlobalDataObject::GlobalDataObject(const std::vector<DataBlock>& blocks) : blocks_(blocks) {
  for (const DataBlock& block : blocks_)
    formats_.push_back(
        {static_cast<CLIPFORMAT>(block.format), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
}

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

const DataBlock* GlobalDataObject::Find(const FORMATETC* format) const {
  if (!(format->tymed & TYMED_HGLOBAL)) return nullptr;
  for (const DataBlock& block : blocks_)
    if (block.format == format->cfFormat) return &block;
  return nullptr;
}

// Each request gets a copy of its own, which the receiver frees.
HRESULT GlobalDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  const DataBlock* block = Find(format);
  if (!block) return DV_E_FORMATETC;
  HGLOBAL copy = GlobalOf(block->bytes);
  if (!copy) return E_OUTOFMEMORY;
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = copy;
  medium->pUnkForRelease = nullptr;
  return S_OK;
}

HRESULT GlobalDataObject::QueryGetData(FORMATETC* format) {
  return Find(format) ? S_OK : DV_E_FORMATETC;
}

HRESULT GlobalDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
  out->ptd = nullptr;
  return DATA_S_SAMEFORMATETC;
}

HRESULT GlobalDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
  if (direction != DATADIR_GET) return E_NOTIMPL;
  return SHCreateStdEnumFmtEtc(static_cast<UINT>(formats_.size()), formats_.data(), formats);
}

DataBlock TextBlock(const std::string& sjisText) {
  return {CF_TEXT, sjisText + std::string(1, '\0')};
}

DataBlock FileListBlock(const std::vector<std::string>& paths) {
  return {CF_HDROP, DropFilesBytes(paths)};
}

DataBlock UrlBlock(const std::string& url) {
  return {RegisterClipboardFormatA("UniformResourceLocator"), url + std::string(1, '\0')};
}
