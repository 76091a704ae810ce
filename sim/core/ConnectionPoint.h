// The COM face of an EventSource, handed out by a sim object's
// FindConnectionPoint. It holds its container (the wrapper that made it)
// and only a weak link to the source: once the model object is gone,
// Advise fails and Unadvise finds no connection.
#pragma once

#include <memory>

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "sim/core/EventSource.h"

namespace corvane::sim {

class ConnectionPoint final : public com::ComObject<IConnectionPoint> {
 public:
  ConnectionPoint(const std::shared_ptr<EventSource>& source, com::ComPtr<IConnectionPointContainer> container);

  STDMETHODIMP GetConnectionInterface(IID* iid) override;
  STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
  STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
  STDMETHODIMP Unadvise(DWORD cookie) override;
  STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

 private:
  std::weak_ptr<EventSource> source_;
  IID events_;
  com::ComPtr<IConnectionPointContainer> container_;
};

// FindConnectionPoint and EnumConnectionPoints over a container's sources.
HRESULT FindPoint(const std::vector<std::shared_ptr<EventSource>>& sources, IConnectionPointContainer* container,
                  REFIID iid, IConnectionPoint** point) noexcept;
HRESULT EnumPoints(const std::vector<std::shared_ptr<EventSource>>& sources, IConnectionPointContainer* container,
                   IEnumConnectionPoints** points) noexcept;

}  // namespace corvane::sim
