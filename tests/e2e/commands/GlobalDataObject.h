// Data offered in a drag by the driver: blocks of global memory, one per clipboard format.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <string>
#include <vector>

// One format of the data and its bytes.
struct DataBlock {
  UINT format;
  std::string bytes;
};

class GlobalDataObject final : public IDataObject {
 public:
  explicit GlobalDataObject(const std::vector<DataBlock>& blocks);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override;
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  ~GlobalDataObject() = default;
  const DataBlock* Find(const FORMATETC* format) const;

  std::vector<DataBlock> blocks_;
  std::vector<FORMATETC> formats_;
  LONG refs_ = 1;
};

// Text as CF_TEXT carries it: the bytes and a terminating zero.
DataBlock TextBlock(const std::string& sjisText);
// A file list as Explorer drags it (CF_HDROP): DROPFILES with ANSI names.
DataBlock FileListBlock(const std::vector<std::string>& paths);
// An address as browsers drag it ("UniformResourceLocator").
DataBlock UrlBlock(const std::string& url);
