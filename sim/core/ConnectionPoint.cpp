#include "sim/core/ConnectionPoint.h"

#include "platform/com/ComGuard.h"
#include "sim/core/HostError.h"
#include "sim/core/SnapshotEnumerator.h"

namespace corvane::sim {
namespace {

// The enumerators hand out references of their own.
CONNECTDATA GiveConnection(const EventSource::Connection& connection) {
  return CONNECTDATA{com::ComPtr<IUnknown>(connection.sink.get()).detach(), connection.cookie};
}

IConnectionPoint* GivePoint(const com::ComPtr<IConnectionPoint>& point) { return com::ComPtr(point).detach(); }

using ConnectionEnumerator =
    SnapshotEnumerator<IEnumConnections, CONNECTDATA, EventSource::Connection, &GiveConnection>;
using PointEnumerator =
    SnapshotEnumerator<IEnumConnectionPoints, IConnectionPoint*, com::ComPtr<IConnectionPoint>, &GivePoint>;

}  // namespace

ConnectionPoint::ConnectionPoint(const std::shared_ptr<EventSource>& source,
                                 com::ComPtr<IConnectionPointContainer> container)
    : source_(source), events_(source->events()), container_(std::move(container)) {}

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = events_;
  return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
  return container_.copy_to(container);
}

STDMETHODIMP ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  const auto source = source_.lock();
  if (!source) {
    if (cookie) *cookie = 0;
    return kDisconnected;
  }
  return com::GuardCode([&] { return source->Advise(sink, cookie); });
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie) {
  const auto source = source_.lock();
  return source ? source->Unadvise(cookie) : CONNECT_E_NOCONNECTION;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** connections) {
  if (!connections) return E_POINTER;
  *connections = nullptr;
  return com::GuardCode([&] {
    const auto source = source_.lock();
    auto items = std::make_shared<std::vector<EventSource::Connection>>();
    if (source) *items = source->connections();
    *connections = com::Make<ConnectionEnumerator>(std::move(items)).detach();
  });
}

HRESULT FindPoint(const std::vector<std::shared_ptr<EventSource>>& sources, IConnectionPointContainer* container,
                  REFIID iid, IConnectionPoint** point) noexcept {
  if (!point) return E_POINTER;
  *point = nullptr;
  return com::GuardCode([&] {
    for (const auto& source : sources) {
      if (!IsEqualIID(source->events(), iid)) continue;
      *point = com::Make<ConnectionPoint>(source, com::ComPtr<IConnectionPointContainer>(container)).detach();
      return S_OK;
    }
    return CONNECT_E_NOCONNECTION;
  });
}

HRESULT EnumPoints(const std::vector<std::shared_ptr<EventSource>>& sources, IConnectionPointContainer* container,
                   IEnumConnectionPoints** points) noexcept {
  if (!points) return E_POINTER;
  *points = nullptr;
  return com::GuardCode([&] {
    auto items = std::make_shared<std::vector<com::ComPtr<IConnectionPoint>>>();
    for (const auto& source : sources) {
      const auto point = com::Make<ConnectionPoint>(source, com::ComPtr<IConnectionPointContainer>(container));
      items->push_back(com::ComPtr<IConnectionPoint>(point.get()));
    }
    *points = com::Make<PointEnumerator>(std::move(items)).detach();
  });
}

}  // namespace corvane::sim
