#include "platform/graphics/portable/StandardPicture.h"

#include <cstring>

#include "platform/graphics/Gdi.h"

namespace corvane::graphics {

namespace {

// The picture's automation ids, as published.
constexpr DISPID kHandle = 0;
constexpr DISPID kHPal = 2;
constexpr DISPID kType = 3;
constexpr DISPID kWidth = 4;
constexpr DISPID kHeight = 5;

struct NamedId {
  const char16_t* name;
  DISPID id;
};
constexpr NamedId kNames[] = {
    {u"Handle", kHandle}, {u"hPal", kHPal}, {u"Type", kType}, {u"Width", kWidth}, {u"Height", kHeight}};

bool SameName(const OLECHAR* a, const char16_t* b) {
  for (; *a && *b; ++a, ++b) {
    if ((*a | 0x20) != (*b | 0x20)) return false;
  }
  return *a == *b;
}

void SetLong(VARIANT* result, LONG value) {
  V_VT(result) = VT_I4;
  V_I4(result) = value;
}

}  // namespace

StandardPicture::StandardPicture(HBITMAP bitmap, HPALETTE palette, bool owns)
    : bitmap_(bitmap), palette_(palette), owns_(owns) {
  const ui::Bitmap pixels = PixelsOf(bitmap);
  width_ = pixels.width;
  height_ = pixels.height;
}

StandardPicture::~StandardPicture() {
  if (!owns_) return;
  DeleteGdiObject(bitmap_);
  if (palette_) DeleteGdiObject(palette_);
}

void* StandardPicture::QueryOther(REFIID riid) {
  return IsEqualIID(riid, IID_IPictureDisp) ? static_cast<IDispatch*>(this) : nullptr;
}

STDMETHODIMP StandardPicture::get_Handle(OLE_HANDLE* pHandle) {
  if (!pHandle) return E_POINTER;
  *pHandle = ToOleHandle(bitmap_);
  return S_OK;
}

STDMETHODIMP StandardPicture::get_hPal(OLE_HANDLE* phPal) {
  if (!phPal) return E_POINTER;
  *phPal = ToOleHandle(palette_);
  return S_OK;
}

STDMETHODIMP StandardPicture::get_Type(SHORT* pType) {
  if (!pType) return E_POINTER;
  *pType = PICTYPE_BITMAP;
  return S_OK;
}

STDMETHODIMP StandardPicture::get_Width(OLE_XSIZE_HIMETRIC* pWidth) {
  if (!pWidth) return E_POINTER;
  *pWidth = Himetric(width_);
  return S_OK;
}

STDMETHODIMP StandardPicture::get_Height(OLE_YSIZE_HIMETRIC* pHeight) {
  if (!pHeight) return E_POINTER;
  *pHeight = Himetric(height_);
  return S_OK;
}

// No device contexts in the portable build: drawing is the Windows side's.
STDMETHODIMP StandardPicture::Render(HDC, LONG, LONG, LONG, LONG, OLE_XPOS_HIMETRIC, OLE_YPOS_HIMETRIC,
                                     OLE_XSIZE_HIMETRIC, OLE_YSIZE_HIMETRIC, LPCRECT) {
  return E_NOTIMPL;
}

STDMETHODIMP StandardPicture::set_hPal(OLE_HANDLE hPal) {
  palette_ = FromOleHandle<HPALETTE>(hPal);
  return S_OK;
}

STDMETHODIMP StandardPicture::get_CurDC(HDC* phDC) {
  if (!phDC) return E_POINTER;
  *phDC = nullptr;
  return S_OK;
}

STDMETHODIMP StandardPicture::SelectPicture(HDC, HDC*, OLE_HANDLE*) { return E_NOTIMPL; }

STDMETHODIMP StandardPicture::get_KeepOriginalFormat(BOOL* pKeep) {
  if (!pKeep) return E_POINTER;
  *pKeep = keepOriginalFormat_;
  return S_OK;
}

STDMETHODIMP StandardPicture::put_KeepOriginalFormat(BOOL keep) {
  keepOriginalFormat_ = keep != FALSE;
  return S_OK;
}

STDMETHODIMP StandardPicture::PictureChanged() { return S_OK; }

STDMETHODIMP StandardPicture::SaveAsFile(LPSTREAM, BOOL, LONG*) { return E_NOTIMPL; }

STDMETHODIMP StandardPicture::get_Attributes(DWORD* pDwAttr) {
  if (!pDwAttr) return E_POINTER;
  *pDwAttr = 0;
  return S_OK;
}

STDMETHODIMP StandardPicture::GetTypeInfoCount(UINT* pctinfo) {
  if (!pctinfo) return E_POINTER;
  *pctinfo = 0;
  return S_OK;
}

STDMETHODIMP StandardPicture::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

STDMETHODIMP StandardPicture::GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID, DISPID* rgDispId) {
  if (!rgszNames || !rgDispId || cNames == 0) return E_POINTER;
  for (const NamedId& named : kNames) {
    if (SameName(rgszNames[0], named.name)) {
      rgDispId[0] = named.id;
      return S_OK;
    }
  }
  rgDispId[0] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP StandardPicture::Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS*, VARIANT* pVarResult,
                                     EXCEPINFO*, UINT*) {
  if (!(wFlags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
  if (!pVarResult) return E_POINTER;
  VariantInit(pVarResult);
  switch (dispIdMember) {
    case kHandle:
      SetLong(pVarResult, static_cast<LONG>(ToOleHandle(bitmap_)));
      return S_OK;
    case kHPal:
      SetLong(pVarResult, static_cast<LONG>(ToOleHandle(palette_)));
      return S_OK;
    case kType:
      V_VT(pVarResult) = VT_I2;
      V_I2(pVarResult) = PICTYPE_BITMAP;
      return S_OK;
    case kWidth:
      SetLong(pVarResult, Himetric(width_));
      return S_OK;
    case kHeight:
      SetLong(pVarResult, Himetric(height_));
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

}  // namespace corvane::graphics

// Only bitmap pictures are made here; other kinds are refused.
STDAPI OleCreatePictureIndirect(LPPICTDESC lpPictDesc, REFIID riid, BOOL fOwn, LPVOID* lplpvObj) {
  using corvane::graphics::StandardPicture;
  if (!lplpvObj) return E_POINTER;
  *lplpvObj = nullptr;
  if (!lpPictDesc || lpPictDesc->cbSizeofstruct != sizeof(PICTDESC)) return E_INVALIDARG;
  if (lpPictDesc->picType != PICTYPE_BITMAP) return E_NOTIMPL;
  if (corvane::graphics::PixelsOf(lpPictDesc->bmp.hbitmap).Empty()) return E_INVALIDARG;
  auto picture = corvane::com::Make<StandardPicture>(lpPictDesc->bmp.hbitmap, lpPictDesc->bmp.hpal, fOwn != FALSE);
  return picture->QueryInterface(riid, lplpvObj);
}
