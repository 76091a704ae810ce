// The Office add-in keys: one per supported, installed host, with the
// values that make the host load the add-in, and their removal together
// with what the add-in kept below them.
#pragma once

namespace corvane::framework {

class TkvxFactory;

// Writes "FriendlyName", "Description", "LoadBehavior" and
// "CommandLineSafe" (under HKEY_LOCAL_MACHINE when the module registers for
// all users), the Excel automation entry when asked, and raises the
// module's OnAfterAddinRegister per host. A key that cannot be opened or
// written is passed over.
void RegisterAddin(TkvxFactory& Factory);
// Raises OnBeforeAddinUnregister per host, then deletes the add-in key of
// the machine (when registered for all users) and of the current user, and
// the Excel automation entry when asked.
void UnregisterAddin(TkvxFactory& Factory);

}  // namespace corvane::framework
