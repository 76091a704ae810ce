// Where a module (the executable or a shared library) lives on disk: the
// add-in registers its own path, tests find the test server next to them.
#pragma once

#include <string>
#include <string_view>

namespace corvane::com {

// Full path of the module that holds the address; empty when no module
// holds it.
std::u16string ModulePathOf(const void* address);
// The folder of that module, without a trailing separator.
std::u16string ModuleFolderOf(const void* address);
// A file in the folder of that module.
std::u16string ModuleSiblingPath(const void* address, std::u16string_view fileName);

// The folder part of a path (either separator); empty when there is none.
std::u16string FolderOfPath(std::u16string_view path);

}  // namespace corvane::com
