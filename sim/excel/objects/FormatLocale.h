// Format codes at the object model's edge: Excel reads and writes
// NumberFormat in the notation of the locale id the caller passes. Locale 0
// (what VBA passes) and 1033 get en-US codes; any other id, the user's and
// the system's defaults as well as a specific one, gets the user's notation
// (the sim knows only the user's regional settings). NumberFormatLocal asks
// for the user's notation whatever the id.
#pragma once

#include <memory>
#include <string>

#include "platform/com/com.h"
#include "sim/excel/model/AppModel.h"

namespace corvane::sim::excel {

bool AsksForEnUs(LCID locale);

// The stored (en-US) code as a caller of the locale sees it, and a code a
// caller gave back into en-US. Without an application: en-US notation.
std::u16string CodeForCaller(const std::u16string& stored, LCID locale, const std::shared_ptr<AppModel>& app);
std::u16string CodeFromCaller(const std::u16string& given, LCID locale, const std::shared_ptr<AppModel>& app);

}  // namespace corvane::sim::excel
