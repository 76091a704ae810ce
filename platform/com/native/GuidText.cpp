// GUID generation and the registry's text form of GUIDs:
// {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}, upper case, 38 characters.
#include <cstring>
#include <random>

#include "platform/com/com.h"

namespace {

constexpr int kGuidTextLength = 38;
// Where each byte's two hex digits start in the text, in the order of the
// GUID's fields read as big-endian numbers.
constexpr int kDigitOffsets[16] = {1, 3, 5, 7, 10, 12, 15, 17, 20, 22, 25, 27, 29, 31, 33, 35};
constexpr int kDashOffsets[4] = {9, 14, 19, 24};

void ToBytes(const GUID& guid, BYTE out[16]) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<BYTE>(guid.Data1 >> (24 - 8 * i));
  out[4] = static_cast<BYTE>(guid.Data2 >> 8);
  out[5] = static_cast<BYTE>(guid.Data2);
  out[6] = static_cast<BYTE>(guid.Data3 >> 8);
  out[7] = static_cast<BYTE>(guid.Data3);
  std::memcpy(out + 8, guid.Data4, 8);
}

GUID FromBytes(const BYTE in[16]) {
  GUID guid{};
  for (int i = 0; i < 4; ++i) guid.Data1 = (guid.Data1 << 8) | in[i];
  guid.Data2 = static_cast<WORD>((in[4] << 8) | in[5]);
  guid.Data3 = static_cast<WORD>((in[6] << 8) | in[7]);
  std::memcpy(guid.Data4, in + 8, 8);
  return guid;
}

int HexValue(OLECHAR c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

size_t TextLength(LPCOLESTR text) {
  size_t n = 0;
  while (text[n]) ++n;
  return n;
}

// Parses exactly the braced form; false for anything else.
bool ParseBraced(LPCOLESTR text, GUID* out) {
  if (TextLength(text) != kGuidTextLength || text[0] != '{' || text[kGuidTextLength - 1] != '}') return false;
  for (int offset : kDashOffsets) {
    if (text[offset] != '-') return false;
  }
  BYTE bytes[16];
  for (int i = 0; i < 16; ++i) {
    const int high = HexValue(text[kDigitOffsets[i]]);
    const int low = HexValue(text[kDigitOffsets[i] + 1]);
    if (high < 0 || low < 0) return false;
    bytes[i] = static_cast<BYTE>(high * 16 + low);
  }
  *out = FromBytes(bytes);
  return true;
}

}  // namespace

STDAPI CoCreateGuid(GUID* pguid) {
  if (!pguid) return E_INVALIDARG;
  static thread_local std::mt19937_64 generator{std::random_device{}()};
  BYTE bytes[16];
  for (int i = 0; i < 16; i += 8) {
    const uint64_t chunk = generator();
    std::memcpy(bytes + i, &chunk, 8);
  }
  bytes[6] = static_cast<BYTE>((bytes[6] & 0x0F) | 0x40);  // version 4: random
  bytes[8] = static_cast<BYTE>((bytes[8] & 0x3F) | 0x80);  // variant 10xx
  *pguid = FromBytes(bytes);
  return S_OK;
}

STDAPI_(int) StringFromGUID2(REFGUID rguid, LPOLESTR lpsz, int cchMax) {
  if (!lpsz || cchMax < kGuidTextLength + 1) return 0;
  static constexpr char kHex[] = "0123456789ABCDEF";
  BYTE bytes[16];
  ToBytes(rguid, bytes);
  lpsz[0] = '{';
  for (int offset : kDashOffsets) lpsz[offset] = '-';
  for (int i = 0; i < 16; ++i) {
    lpsz[kDigitOffsets[i]] = static_cast<OLECHAR>(kHex[bytes[i] >> 4]);
    lpsz[kDigitOffsets[i] + 1] = static_cast<OLECHAR>(kHex[bytes[i] & 0xF]);
  }
  lpsz[kGuidTextLength - 1] = '}';
  lpsz[kGuidTextLength] = 0;
  return kGuidTextLength + 1;
}

STDAPI StringFromCLSID(REFCLSID rclsid, LPOLESTR* lplpsz) {
  if (!lplpsz) return E_INVALIDARG;
  *lplpsz = static_cast<LPOLESTR>(CoTaskMemAlloc((kGuidTextLength + 1) * sizeof(OLECHAR)));
  if (!*lplpsz) return E_OUTOFMEMORY;
  StringFromGUID2(rclsid, *lplpsz, kGuidTextLength + 1);
  return S_OK;
}

STDAPI CLSIDFromString(LPCOLESTR lpsz, LPCLSID pclsid) {
  if (!pclsid) return E_INVALIDARG;
  if (!lpsz) {
    *pclsid = CLSID_NULL;
    return S_OK;
  }
  // Text without the opening brace names a class by its ProgID.
  if (lpsz[0] != '{') return CLSIDFromProgID(lpsz, pclsid);
  return ParseBraced(lpsz, pclsid) ? S_OK : CO_E_CLASSSTRING;
}

STDAPI IIDFromString(LPCOLESTR lpsz, IID* lpiid) {
  if (!lpiid) return E_INVALIDARG;
  if (!lpsz) {
    *lpiid = IID_NULL;
    return S_OK;
  }
  // Windows tells text of the wrong length apart from a malformed IID.
  if (TextLength(lpsz) != kGuidTextLength) return E_INVALIDARG;
  return ParseBraced(lpsz, lpiid) ? S_OK : CO_E_IIDSTRING;
}
