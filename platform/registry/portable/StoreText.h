// The text form of one root of the portable store, UTF-8:
//
//   corvane-registry 1
//   []                          values of the root itself, when it has any
//   "RootValue"=dword:1
//   [Software\Vendor\Tool]      a key, by its full path
//   @=string:"default value"    the key's default value
//   "Count"=dword:42            unsigned decimal
//   "Title"=string:"caf\u00e9"  non-ASCII text is written as is
//
// Every key has its own line, in depth-first order; values follow their key
// in insertion order. Quoted text escapes \\ \" \n \r \t and writes other
// control characters and unpaired surrogates as \uXXXX. A key name escapes
// %, ] and control characters as %XXXX (four hex digits). Blank lines and
// lines starting with ";" are ignored.
#pragma once

#include <string>
#include <string_view>

#include "platform/registry/portable/Key.h"

namespace corvane::registry::portable {

constexpr std::string_view kStoreHeader = "corvane-registry 1";

std::string FormatStore(const Key& root);
// RegistryError "<fileName>:<line>: <what is wrong>" for damaged text.
Key ParseStore(std::string_view text, const std::string& fileName);

}  // namespace corvane::registry::portable
