// The sinks of one event interface of one model object (an application's
// AppEvents, a control's click events). It lives in the model, so the sinks
// stay connected while the wrappers come and go; ConnectionPoint is its COM
// face. Sinks are called in the order they were advised.
#pragma once

#include <string>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/com/com.h"
#include "sim/core/EventCall.h"

namespace corvane::sim {

class EventSource {
 public:
  struct Connection {
    DWORD cookie;
    com::ComPtr<IDispatch> sink;
  };

  // label names the interface in the event log ("AppEvents").
  EventSource(const IID& events, std::string label) : events_(events), label_(std::move(label)) {}
  ~EventSource();
  EventSource(const EventSource&) = delete;
  EventSource& operator=(const EventSource&) = delete;

  const IID& events() const { return events_; }
  const std::string& label() const { return label_; }

  // The sink is asked for the event interface (answered with its IDispatch);
  // CONNECT_E_CANNOTCONNECT when it has none. Cookies start at 1.
  HRESULT Advise(IUnknown* sink, DWORD* cookie);
  // CONNECT_E_NOCONNECTION for a cookie that is not advised.
  HRESULT Unadvise(DWORD cookie);
  const std::vector<Connection>& connections() const { return connections_; }
  size_t SinkCount() const { return connections_.size(); }

  // Calls every sink advised when the firing starts (one that unadvises
  // meanwhile is still called once), logs "<label>.<name>", and leaves what
  // the sinks wrote through by-reference arguments in the call. A sink's
  // failure is ignored, as the host ignores it. Returns the sinks called.
  size_t Fire(EventCall& call);

 private:
  IID events_;
  std::string label_;
  DWORD nextCookie_ = 1;
  std::vector<Connection> connections_;
};

}  // namespace corvane::sim
