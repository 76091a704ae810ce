// Base Windows types for the native build, sized as on Windows (LLP64 rules:
// LONG and ULONG stay 32-bit even where the C long is 64-bit).
#pragma once

#include <cstddef>
#include <cstdint>

#define STDMETHODCALLTYPE
#define STDAPICALLTYPE
#define WINAPI
#define CALLBACK

#ifndef CORVANE_PLATFORM_API
#define CORVANE_PLATFORM_API __attribute__((visibility("default")))
#endif

#define STDAPI extern "C" CORVANE_PLATFORM_API HRESULT STDAPICALLTYPE
#define STDAPI_(type) extern "C" CORVANE_PLATFORM_API type STDAPICALLTYPE
#define WINAPI_(type) extern "C" CORVANE_PLATFORM_API type

using BYTE = uint8_t;
using CHAR = char;
using UCHAR = uint8_t;
using WORD = uint16_t;
using SHORT = int16_t;
using USHORT = uint16_t;
using DWORD = uint32_t;
using LONG = int32_t;
using ULONG = uint32_t;
using INT = int32_t;
using UINT = uint32_t;
using BOOL = int32_t;
using LONGLONG = int64_t;
using ULONGLONG = uint64_t;
using FLOAT = float;
using DOUBLE = double;
using LPVOID = void*;
using PVOID = void*;
using LPCVOID = const void*;
using LPDWORD = DWORD*;
using UINT_PTR = uintptr_t;
using INT_PTR = intptr_t;
using LONG_PTR = intptr_t;
using ULONG_PTR = uintptr_t;
using DWORD_PTR = uintptr_t;
using SIZE_T = size_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using ATOM = WORD;
using COLORREF = DWORD;

using HRESULT = int32_t;
using SCODE = int32_t;
using LCID = DWORD;
using DISPID = LONG;
using MEMBERID = DISPID;
using HREFTYPE = DWORD;
using VARTYPE = uint16_t;
using VARIANT_BOOL = int16_t;
using DATE = double;

using WCHAR = char16_t;
using OLECHAR = char16_t;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPSTR = char*;
using LPCSTR = const char*;
using BSTR = OLECHAR*;

#define OLESTR(str) u##str
#define TRUE 1
#define FALSE 0
#define VARIANT_TRUE ((VARIANT_BOOL)-1)
#define VARIANT_FALSE ((VARIANT_BOOL)0)

// Handles are distinct pointer types, as with STRICT on Windows.
#define CORVANE_DECLARE_HANDLE(name) \
  struct name##__ {                  \
    int unused;                      \
  };                                 \
  using name = struct name##__*
CORVANE_DECLARE_HANDLE(HWND);
CORVANE_DECLARE_HANDLE(HINSTANCE);
CORVANE_DECLARE_HANDLE(HKEY);
CORVANE_DECLARE_HANDLE(HHOOK);
CORVANE_DECLARE_HANDLE(HBITMAP);
CORVANE_DECLARE_HANDLE(HPALETTE);
CORVANE_DECLARE_HANDLE(HICON);
CORVANE_DECLARE_HANDLE(HMENU);
CORVANE_DECLARE_HANDLE(HDC);
#undef CORVANE_DECLARE_HANDLE
using HANDLE = void*;
using HGLOBAL = HANDLE;
using HGDIOBJ = HANDLE;
using HMODULE = HINSTANCE;

union LARGE_INTEGER {
  struct {
    DWORD LowPart;
    LONG HighPart;
  };
  LONGLONG QuadPart;
};

union CY {
  struct {
    ULONG Lo;
    LONG Hi;
  };
  LONGLONG int64;
};

struct DECIMAL {
  USHORT wReserved;
  BYTE scale;
  BYTE sign;
  ULONG Hi32;
  ULONGLONG Lo64;
};

// Predefined registry roots, with their Windows values.
#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000000)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000001)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000002)))
#define HKEY_USERS (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000003)))
