// GetDocumentation's out parameters, each optional, filled from plain text.
#pragma once

#include <string>

#include "platform/com/com.h"

namespace corvane::com::native {

struct Documentation {
  const std::u16string& name;
  const std::u16string& helpString;
};

HRESULT FillDocumentation(const Documentation& source, BSTR* name, BSTR* docString, DWORD* helpContext, BSTR* helpFile);

}  // namespace corvane::com::native
