// Excel's list of automation add-ins to open at start: string values
// "OPEN", "OPEN1", "OPEN2" ... under Excel's Options key of the current
// user, each naming one add-in as /A "<ProgID>". Excel 2002 (version 10)
// and later read it.
#pragma once

#include <string>
#include <vector>

namespace corvane::framework {

class TkvxFactory;

// "\Software\Microsoft\Office\<version>.0\Excel\Options".
std::u16string ExcelOptionsKey(int MajorVersion);
// The value that names the ProgID: /A "<ProgID>".
std::u16string AutomationAddInData(std::u16string_view ProgId);

// The name for one more entry among the key's value names: "OPEN" when
// none is an entry, else "OPEN" followed by one more than the largest
// number (a bare "OPEN" counting as 0). A name that continues after "OPEN"
// with anything but decimal digits is not an entry of the list.
std::u16string NextOpenValueName(const std::vector<std::u16string>& ValueNames);

// Adds one entry for the factory's ProgID (also when one is there already).
void RegisterXLAutomation(const TkvxFactory& Factory);
// Deletes the first entry, in case-insensitive name order, whose data holds
// the ProgID; the others stay.
void UnregisterXLAutomation(const TkvxFactory& Factory);

}  // namespace corvane::framework
