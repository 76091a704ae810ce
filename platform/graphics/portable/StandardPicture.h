// The portable build's picture object, as OleCreatePictureIndirect makes it
// for a bitmap: it carries the bitmap and palette handles (deleting them at
// the end only when it owns them) and answers its automation properties.
#pragma once

#include "platform/com/ComObject.h"

namespace corvane::graphics {

class StandardPicture final : public com::ComObject<IPicture, IDispatch> {
 public:
  StandardPicture(HBITMAP bitmap, HPALETTE palette, bool owns);

  STDMETHODIMP get_Handle(OLE_HANDLE* pHandle) override;
  STDMETHODIMP get_hPal(OLE_HANDLE* phPal) override;
  STDMETHODIMP get_Type(SHORT* pType) override;
  STDMETHODIMP get_Width(OLE_XSIZE_HIMETRIC* pWidth) override;
  STDMETHODIMP get_Height(OLE_YSIZE_HIMETRIC* pHeight) override;
  STDMETHODIMP Render(HDC, LONG, LONG, LONG, LONG, OLE_XPOS_HIMETRIC, OLE_YPOS_HIMETRIC, OLE_XSIZE_HIMETRIC,
                      OLE_YSIZE_HIMETRIC, LPCRECT) override;
  STDMETHODIMP set_hPal(OLE_HANDLE hPal) override;
  STDMETHODIMP get_CurDC(HDC* phDC) override;
  STDMETHODIMP SelectPicture(HDC, HDC*, OLE_HANDLE*) override;
  STDMETHODIMP get_KeepOriginalFormat(BOOL* pKeep) override;
  STDMETHODIMP put_KeepOriginalFormat(BOOL keep) override;
  STDMETHODIMP PictureChanged() override;
  STDMETHODIMP SaveAsFile(LPSTREAM, BOOL, LONG*) override;
  STDMETHODIMP get_Attributes(DWORD* pDwAttr) override;

  STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID, DISPID* rgDispId) override;
  STDMETHODIMP Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS*, VARIANT* pVarResult, EXCEPINFO*,
                      UINT*) override;

 private:
  ~StandardPicture() override;
  void* QueryOther(REFIID riid) override;
  LONG Himetric(int pixels) const { return static_cast<LONG>((pixels * 2540 + 48) / 96); }

  HBITMAP bitmap_;
  HPALETTE palette_;
  bool owns_;
  bool keepOriginalFormat_ = false;
  int width_;
  int height_;
};

}  // namespace corvane::graphics
