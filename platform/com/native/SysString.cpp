// BSTR: a 32-bit byte count, the UTF-16 text, then a NUL unit. The pointer
// handed out points at the text, so a BSTR reads as a C string while still
// carrying embedded NULs through its length.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/com/com.h"

namespace {

constexpr size_t kPrefix = sizeof(uint32_t);
// Byte lengths must fit the 32-bit prefix with room for the terminator.
constexpr uint64_t kMaxBytes = 0x7FFFFFF0u;

uint32_t* PrefixOf(BSTR text) { return reinterpret_cast<uint32_t*>(reinterpret_cast<char*>(text) - kPrefix); }

// Allocates a BSTR of `bytes` bytes, copying `bytes` from source when given;
// the rest is zero (the caller fills an uninitialised one itself).
BSTR AllocateBytes(const void* source, uint64_t bytes) {
  if (bytes > kMaxBytes) return nullptr;
  // Two NUL bytes after the text, plus one spare so odd byte lengths still
  // end in a whole NUL unit.
  auto* block = static_cast<char*>(std::calloc(1, kPrefix + bytes + sizeof(OLECHAR) + 1));
  if (!block) return nullptr;
  *reinterpret_cast<uint32_t*>(block) = static_cast<uint32_t>(bytes);
  if (source) std::memcpy(block + kPrefix, source, bytes);
  return reinterpret_cast<BSTR>(block + kPrefix);
}

size_t LengthOf(const OLECHAR* text) {
  size_t n = 0;
  while (text[n]) ++n;
  return n;
}

}  // namespace

STDAPI_(BSTR) SysAllocString(const OLECHAR* psz) {
  if (!psz) return nullptr;
  return AllocateBytes(psz, uint64_t{LengthOf(psz)} * sizeof(OLECHAR));
}

STDAPI_(BSTR) SysAllocStringLen(const OLECHAR* strIn, UINT ui) {
  return AllocateBytes(strIn, uint64_t{ui} * sizeof(OLECHAR));
}

STDAPI_(BSTR) SysAllocStringByteLen(LPCSTR psz, UINT len) { return AllocateBytes(psz, len); }

STDAPI_(INT) SysReAllocString(BSTR* pbstr, const OLECHAR* psz) {
  if (!pbstr) return FALSE;
  // The new text may lie inside the old string: copy before freeing.
  BSTR fresh = SysAllocString(psz);
  if (psz && !fresh) return FALSE;
  SysFreeString(*pbstr);
  *pbstr = fresh;
  return TRUE;
}

STDAPI_(INT) SysReAllocStringLen(BSTR* pbstr, const OLECHAR* psz, UINT len) {
  if (!pbstr) return FALSE;
  BSTR fresh = AllocateBytes(nullptr, uint64_t{len} * sizeof(OLECHAR));
  if (!fresh) return FALSE;
  // Without a source the old text is kept as far as it reaches.
  const OLECHAR* source = psz ? psz : *pbstr;
  const UINT available = psz ? len : SysStringLen(*pbstr);
  if (source) std::memcpy(fresh, source, (available < len ? available : len) * sizeof(OLECHAR));
  SysFreeString(*pbstr);
  *pbstr = fresh;
  return TRUE;
}

STDAPI_(void) SysFreeString(BSTR bstrString) {
  if (bstrString) std::free(PrefixOf(bstrString));
}

STDAPI_(UINT) SysStringLen(BSTR pbstr) { return pbstr ? *PrefixOf(pbstr) / sizeof(OLECHAR) : 0; }

STDAPI_(UINT) SysStringByteLen(BSTR bstr) { return bstr ? *PrefixOf(bstr) : 0; }
