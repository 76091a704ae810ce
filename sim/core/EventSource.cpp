#include "sim/core/EventSource.h"

#include "sim/core/Instrumentation.h"

namespace corvane::sim {
namespace {

void ClearException(EXCEPINFO& error) {
  SysFreeString(error.bstrSource);
  SysFreeString(error.bstrDescription);
  SysFreeString(error.bstrHelpFile);
}

// One sink's call with its own copies of the arguments (by-reference copies
// still point at the call's storage), last-first as DISPPARAMS wants.
void CallSink(IDispatch* sink, const EventCall& call) {
  const auto& args = call.args();
  std::vector<VARIANT> reversed(args.size());
  for (size_t i = 0; i < args.size(); ++i) {
    VARIANT& slot = reversed[args.size() - 1 - i];
    VariantInit(&slot);
    VariantCopy(&slot, args[i].get());
  }
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  com::Variant result;
  EXCEPINFO error{};
  UINT argError = 0;
  sink->Invoke(call.id(), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result.put(), &error, &argError);
  ClearException(error);
  for (auto& slot : reversed) VariantClear(&slot);
}

}  // namespace

EventSource::~EventSource() {
  for (size_t i = 0; i < connections_.size(); ++i) Instrumentation::Instance().SinkUnadvised();
}

HRESULT EventSource::Advise(IUnknown* sink, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!sink) return E_POINTER;
  com::ComPtr<IDispatch> events = com::try_as<IDispatch>(sink, events_);
  if (!events) return CONNECT_E_CANNOTCONNECT;
  *cookie = nextCookie_++;
  connections_.push_back({*cookie, std::move(events)});
  Instrumentation::Instance().SinkAdvised();
  return S_OK;
}

HRESULT EventSource::Unadvise(DWORD cookie) {
  for (auto it = connections_.begin(); it != connections_.end(); ++it) {
    if (it->cookie != cookie) continue;
    // Released after the list is consistent: the sink may call back.
    const com::ComPtr<IDispatch> released = std::move(it->sink);
    connections_.erase(it);
    Instrumentation::Instance().SinkUnadvised();
    return S_OK;
  }
  return CONNECT_E_NOCONNECTION;
}

size_t EventSource::Fire(EventCall& call) {
  Instrumentation::Instance().log().Record(label_ + "." + call.name());
  const std::vector<Connection> snapshot = connections_;
  for (const auto& connection : snapshot) CallSink(connection.sink.get(), call);
  return snapshot.size();
}

}  // namespace corvane::sim
