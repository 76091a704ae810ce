// Design texts compiled into the library by corvane_embed_design (CMake).
#pragma once

#include <string_view>

// At namespace scope: declares corvane::designs::symbol.
#define CORVANE_DECLARE_DESIGN(symbol)  \
  namespace corvane::designs {          \
  extern const std::string_view symbol; \
  }                                     \
  static_assert(true, "needs a semicolon")
