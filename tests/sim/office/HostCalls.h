// What the Office tests call the simulated host by: the DISPIDs of the
// members they use and the HRESULT a failing call ends in.
#pragma once

#include <functional>

#include "platform/com/ComError.h"
#include "platform/com/com.h"

namespace corvane::sim::office::testing {

inline constexpr DISPID kQuit = 0x12E;
inline constexpr DISPID kCommandBars = 0x59F;
inline constexpr DISPID kComAddIns = 0x664;
inline constexpr DISPID kBarsAdd = 0x60030002;
inline constexpr DISPID kBarsFindControl = 0x60030008;
inline constexpr DISPID kBarControls = 0x60040003;
inline constexpr DISPID kControlsAdd = 0x60030000;
inline constexpr DISPID kControlsCount = 0x60030001;
inline constexpr DISPID kControlCaption = 0x60040003;
inline constexpr DISPID kControlDelete = 0x60040007;
inline constexpr DISPID kControlTag = 0x60040023;
inline constexpr int32_t kBarFloatingPosition = 4;
inline constexpr int32_t kButtonType = 1;

// S_OK when the call went through, else the code of its ComError.
inline HRESULT FailureOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const com::ComError& error) {
    return error.code();
  }
  return S_OK;
}

}  // namespace corvane::sim::office::testing
