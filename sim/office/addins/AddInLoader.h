// Loads COM add-ins as Office does: at start-up every add-in key under
// Software\Microsoft\Office\Excel\Addins (current user first, then local
// machine; a ProgID under both counts once, the user's), each add-in with
// LoadBehavior 3 created from its ProgID and connected, then told that
// start-up is complete; at quit told of the shutdown and disconnected. The
// COM Add-ins dialog connects and unloads later. An add-in that cannot be
// created or whose OnConnection fails stays unloaded with LoadBehavior 2.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/com/ComPtr.h"
#include "sim/office/addins/AddInEntry.h"

namespace corvane::sim::office {

// Makes the COMAddIn object handed to OnConnection for an entry.
using AddInObjectFactory = std::function<com::ComPtr<IDispatch>(const std::shared_ptr<AddInEntry>&)>;

class AddInLoader {
 public:
  explicit AddInLoader(AddInObjectFactory makeAddInObject);
  ~AddInLoader();
  AddInLoader(const AddInLoader&) = delete;
  AddInLoader& operator=(const AddInLoader&) = delete;

  // The application is passed on, not kept: the host holds no reference of
  // its own to the objects it hands its clients.
  void Startup(IDispatch* application);
  // OnBeginShutdown to every connected add-in, then OnDisconnection with
  // ext_dm_HostShutdown to each; LoadBehavior stays as it is.
  void Shutdown();

  // The dialog: ext_cm_AfterStartup and LoadBehavior 3 on success.
  bool ConnectByUser(const std::shared_ptr<AddInEntry>& entry, IDispatch* application);
  // The dialog: ext_dm_UserClosed and LoadBehavior 2.
  void UnloadByUser(const std::shared_ptr<AddInEntry>& entry);

  const std::vector<std::shared_ptr<AddInEntry>>& entries() const { return entries_; }
  // In any letter case; null when no key names it.
  std::shared_ptr<AddInEntry> Find(const std::u16string& progId) const;

 private:
  void ReadKeys(HKEY root);
  bool Connect(const std::shared_ptr<AddInEntry>& entry, IDispatch* application, int mode);
  void Disconnect(AddInEntry& entry, int mode);
  void Fail(AddInEntry& entry, const std::u16string& why);

  AddInObjectFactory makeAddInObject_;
  std::vector<std::shared_ptr<AddInEntry>> entries_;
};

// Writes LoadBehavior to an add-in's key; false when the key cannot be
// written (a machine key without the right to write it).
bool WriteLoadBehavior(const AddInEntry& entry, int32_t value);

}  // namespace corvane::sim::office
