// The memo view's OLE drop target and drag source. The target hands each drag-over and
// drop to the view as a DROPINFO in a private message; the source offers one format.
#pragma once

#include <windows.h>
#include <ole2.h>

struct DROPINFO {
  UINT32 format;    // the clipboard format chosen (low 16 bits significant)
  UINT32 keyState;  // MK_* during drag-over; 0 on drop
  UINT32 effect;    // drag-over: written by the view; drop: the drop effect
  INT32 x;          // client coordinates
  INT32 y;
  HGLOBAL hData;    // drop: the data in that format (CF_BITMAP: the HBITMAP); drag-over: none
};

const UINT WM_DROPDATA = WM_USER + 200;
const UINT WM_DRAGOVERDATA = WM_USER + 201;

class CMemoDropTarget : public IDropTarget {
 public:
  // Registers on the view; the registration holds a reference, the view owns the object.
  bool Register(HWND view);
  void Revoke();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --m_refs; }
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                 DWORD* effect) override;

 private:
  // The first format the data offers, in the order the view prefers; 0 for none.
  UINT ChooseFormat(IDataObject* data) const;
  DROPINFO MakeInfo(UINT format, DWORD keys, POINTL point) const;

  HWND m_hView = nullptr;
  IDataObject* m_pData = nullptr;  // one reference: the data being dragged over, between enter and leave
  ULONG m_refs = 1;
};

// Runs an OLE drag of one block of global memory in one format; the effect the drop
// target chose (DROPEFFECT_NONE when cancelled). The data is handed over to the drag.
DWORD DoDragOut(UINT format, HGLOBAL data);
