// A small COM add-in for the loader's tests: implements the connection
// interface, records every call Office makes into a shared journal, and
// can be told to fail its connection or to hand itself out as
// COMAddIn.Object. Its class is served through CoRegisterClassObject under
// a ProgID written to HKEY_CLASSES_ROOT for the test's length.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/com/com.h"
#include "published/Extensibility.h"

namespace corvane::sim::office::testing {

struct AddInJournal {
  std::vector<std::string> calls;
  int liveAddIns = 0;
};

struct AddInBehaviour {
  bool failConnection = false;
  // Sets COMAddIn.Object (DISPID 7) to the add-in itself on connection.
  bool setsObject = false;
  // Keeps the application and its COMAddIn from OnConnection until
  // OnDisconnection, as a real add-in does.
  bool holdsHost = false;
  // Work done with the held application (needs holdsHost) when start-up
  // completes and when shutdown begins; a COM error it raises is recorded
  // as "<name>.Error <the HRESULT's text>".
  std::function<void(IDispatch* application)> onStartupComplete = {};
  std::function<void(IDispatch* application)> onBeginShutdown = {};
};

class TestAddInClass {
 public:
  TestAddInClass(const std::u16string& progId, const GUID& clsid, std::shared_ptr<AddInJournal> journal,
                 AddInBehaviour behaviour = {});
  ~TestAddInClass();
  TestAddInClass(const TestAddInClass&) = delete;
  TestAddInClass& operator=(const TestAddInClass&) = delete;

 private:
  std::u16string progId_;
  DWORD cookie_ = 0;
};

// The add-in key Office reads, with its LoadBehavior.
void WriteAddInKey(HKEY root, const std::u16string& progId, int32_t loadBehavior);
// LoadBehavior as the key holds it now; -1 when missing.
int32_t ReadLoadBehavior(HKEY root, const std::u16string& progId);

}  // namespace corvane::sim::office::testing
