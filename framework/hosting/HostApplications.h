// The Office applications as registration sees them: the name shown to the
// user, the ProgID that tells whether the host is installed, and the form of
// the add-in key the host reads.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "framework/commandbars/OfficeHostApp.h"

namespace corvane::framework {

enum class AddinKeyForm { Office, Own };

struct HostApplication {
  TkvxOfficeHostApp kind;
  std::u16string_view name;
  std::u16string_view progId;
  AddinKeyForm keyForm;
};

// In ordinal order: every loop over hosts runs in this order.
std::span<const HostApplication> HostApplications();
const HostApplication& HostApplicationOf(TkvxOfficeHostApp kind);

// "\Software\Microsoft\Office\<name>\AddIns\<progId>", or without "Office\"
// for hosts that keep their own add-in list.
std::u16string FormatAddinKey(TkvxOfficeHostApp kind, std::u16string_view progId);

}  // namespace corvane::framework
