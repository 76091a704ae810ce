// A type library written down as plain data. A library describes its own
// type library with one of these; the native build serves it as ITypeLib,
// the Windows build reads the same library from the module's "TYPELIB"
// resource, which must agree with it.
#pragma once

#include <string>
#include <vector>

#include "platform/com/com.h"

namespace corvane::com {

enum class TypeKind { CoClass, Dispatch, Interface };

struct ImplementedType {
  IID iid;            // a type of the same library
  INT implTypeFlags;  // IMPLTYPEFLAG_*
};

struct TypeDescription {
  TypeKind kind;
  std::u16string name;
  std::u16string helpString;
  GUID guid;
  WORD typeFlags;  // TYPEFLAG_*
  std::vector<ImplementedType> implemented;
  WORD majorVersion = 0;
  WORD minorVersion = 0;
};

struct TypeLibDescription {
  std::u16string name;
  std::u16string helpString;
  GUID guid;
  WORD majorVersion;
  WORD minorVersion;
  LCID lcid;
  SYSKIND syskind;
  std::vector<TypeDescription> types;
  WORD libFlags = 0;  // LIBFLAG_*
};

// The TYPEKIND a described kind stands for.
TYPEKIND TypeKindOf(TypeKind kind);

}  // namespace corvane::com
