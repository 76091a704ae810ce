#include "sim/office/OfficeStart.h"

#include <stdexcept>

#include "platform/com/Text.h"
#include "sim/core/HostError.h"
#include "sim/excel/objects/ExcelObjects.h"
#include "sim/office/OfficeHost.h"
#include "sim/office/model/OfficeError.h"
#include "sim/office/objects/OfficeObjects.h"

namespace corvane::sim::office {
namespace {

using SessionLink = std::weak_ptr<excel::ExcelSession>;

// The run's host while the run lives; a stale reference's error after.
std::shared_ptr<OfficeHost> HostOf(const SessionLink& session) {
  const auto office = Alive(session)->office();
  if (!office) throw InvokeError(kDisconnected);
  return office;
}

// A new Application wrapper each time: the Office half keeps none.
ObjectSource ApplicationSource(std::weak_ptr<excel::AppModel> app) {
  return [app] { return excel::NewApplicationObject(Alive(app)); };
}

// COMAddIn.Connect put: the COM Add-ins dialog's check box.
ConnectAction DialogAction(const SessionLink& session, const ObjectSource& application) {
  return [session, application](const std::shared_ptr<AddInEntry>& entry, bool connect) {
    const auto host = HostOf(session);
    if (!host->running()) ThrowFailed("Excel has quit: add-ins cannot be connected or unloaded.");
    if (!connect) {
      host->addIns().UnloadByUser(entry);
      return;
    }
    if (!host->addIns().ConnectByUser(entry, application().get())) {
      ThrowFailed("The add-in " + com::Utf16ToUtf8(entry->progId) +
                  " could not be connected: " + com::Utf16ToUtf8(entry->failure));
    }
  };
}

AddInObjectFactory ComAddInFactory(const SessionLink& session, const ObjectSource& application) {
  return [session, application](const std::shared_ptr<AddInEntry>& entry) {
    return NewComAddInObject(entry, DialogAction(session, application), application);
  };
}

void InstallCollections(excel::ExcelSession& session, const std::shared_ptr<OfficeHost>& host,
                        const AddInObjectFactory& item, const ObjectSource& application) {
  const std::weak_ptr<OfficeHost> weak = host;
  session.set_command_bars([weak] {
    const auto bars = Alive(weak)->bars();
    if (!bars) throw InvokeError(kDisconnected);  // the run has quit
    return NewCommandBarsObject(bars);
  });
  // The loader lives inside the host: an aliasing pointer expires with it.
  const std::weak_ptr<const AddInLoader> loader = std::shared_ptr<const AddInLoader>(host, &host->addIns());
  session.set_com_addins([loader, item, application] { return NewComAddInsObject(loader, item, application); });
}

// Registered on load, so that every started Excel has its Office half.
const bool kOfficeAttached = [] {
  excel::AddStartHook(&AttachOffice);
  return true;
}();

}  // namespace

void AttachOffice(excel::ExcelRun& run) {
  if (run.session->office()) throw std::logic_error("this Excel run has its Office half already");
  const SessionLink session = run.session;
  const ObjectSource application = ApplicationSource(run.model);
  const AddInObjectFactory item = ComAddInFactory(session, application);
  auto host = std::make_shared<OfficeHost>(BarStore::FromEnvironment(), item);
  run.session->set_office(host);
  InstallCollections(*run.session, host, item, application);
  const std::weak_ptr<OfficeHost> weak = host;
  run.model->AddQuitHook([weak] {
    if (const auto office = weak.lock()) office->Quit();
  });
  host->Start(run.application.get());
}

std::shared_ptr<OfficeHost> OfficeOf(const excel::ExcelRun& run) {
  return run.session ? run.session->office() : nullptr;
}

}  // namespace corvane::sim::office
