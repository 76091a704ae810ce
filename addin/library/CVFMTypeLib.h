// The add-in's type library "CVFM" as data: what the native build serves
// and what CVFM.idl compiles into the Windows library's "TYPELIB" resource.
// The two must agree.
#pragma once

#include "platform/com/TypeLibDescription.h"
#include "platform/com/com.h"

namespace corvane::addin {

// {B4A1B742-28F6-413B-A826-6D8AA323AF38}
inline constexpr GUID kCVFMLibraryId = {0xB4A1B742, 0x28F6, 0x413B, {0xA8, 0x26, 0x6D, 0x8A, 0xA3, 0x23, 0xAF, 0x38}};
// {0D97D3D1-31A9-43F0-AE86-840E4F5C4009}
inline constexpr CLSID kEaCVFMClassId = {0x0D97D3D1, 0x31A9, 0x43F0, {0xAE, 0x86, 0x84, 0x0E, 0x4F, 0x5C, 0x40, 0x09}};
// {F375BC7C-399A-4618-A155-703809A21955}
inline constexpr IID kIeaCVFMIid = {0xF375BC7C, 0x399A, 0x4618, {0xA1, 0x55, 0x70, 0x38, 0x09, 0xA2, 0x19, 0x55}};

// The class description group A writes: the coclass's help string.
inline constexpr char16_t kEaCVFMHelp[] = u"Corvane pivot table tools for Excel";
inline constexpr char16_t kIeaCVFMHelp[] = u"Corvane add-in connection";

com::TypeLibDescription CVFMTypeLib();

}  // namespace corvane::addin
