// Unregistration's visit to the hosts: the add-in's toolbars and the
// controls it recorded are deleted from each supported, installed host,
// taking the running instance or starting one, with the add-in already
// switched off in the host's add-in key.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/com/com.h"

namespace corvane::framework {

class TkvxCOMAddInModule;
class TkvxFactory;

// One "Controls" record: the control's tag and its recorded revision.
struct ControlRecord {
  std::u16string tag;
  int32_t revision;
};

// The records of one host: the value names of the add-in key's
// "CommandBars" subkey, and the names and values of its "Controls" subkey
// (a value that is not an integer counts as 0). Subkeys that cannot be
// opened contribute nothing.
struct RecordedItems {
  std::vector<std::u16string> bars;
  std::vector<ControlRecord> controls;
};
RecordedItems ReadRecordedItems(const std::u16string& AddinKey);

// For every host: "KVXStartMode" = "UNINSTALL", "LoadBehavior" = 0, then in
// the running or a started host the module's bars and the recorded items
// are deleted, and a host started here is told to Quit. Any failure of a
// host's pass raises framework error 31103.
void UnregisterControls(TkvxFactory& Factory);

// Deletes (for good) the control found anywhere by each record's tag, the
// records of revision 255 last, then each recorded bar that is not built
// in and holds no controls any more. Missing controls and bars are passed
// over; host failures are thrown.
void RemoveRecordedControls(TkvxCOMAddInModule& Module, const com::ComPtr<IDispatch>& CommandBars,
                            const std::vector<ControlRecord>& Controls, const std::vector<std::u16string>& Bars);

}  // namespace corvane::framework
