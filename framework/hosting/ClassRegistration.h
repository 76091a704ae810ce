// The COM class entries of a factory's class below HKEY_CLASSES_ROOT: the
// class key with its server, threading model, ProgID, type library and
// version, and the ProgID key naming the class.
#pragma once

#include <string>

namespace corvane::framework {

class TkvxFactory;

// The message of a class entry that cannot be written.
inline constexpr char16_t kRegistryEntryError[] = u"Error creating system registry entry";

// ComError(E_FAIL, kRegistryEntryError) when a key or value cannot be
// created.
void WriteClassEntries(const TkvxFactory& Factory);
// Removes both keys with everything below them; missing keys are passed over.
void RemoveClassEntries(const TkvxFactory& Factory);

// The server path as the class key holds it: the short form of a path that
// contains a space, where the file system has one.
std::u16string RegisteredServerPath(const std::u16string& Path);

}  // namespace corvane::framework
