#include "sim/core/ConnectionPoint.h"

#include "sim/core/HostError.h"
#include "sim/core/SnapshotEnumerator.h"

namespace corvane::sim {
namespace {

CONNECTDATA GiveConnection(const EventSource::Connection& connection) {
  IUnknown* sink = connection.sink.get();
  sink->AddRef();
  return CONNECTDATA{sink, connection.cookie};
}

IConnectionPoint* GivePoint(const com::ComPtr<IConnectionPoint>& point) {
  point->AddRef();
  return point.get();
}

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
  try {
    return source->Advise(sink, cookie);
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie) {
  const auto source = source_.lock();
  return source ? source->Unadvise(cookie) : CONNECT_E_NOCONNECTION;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** connections) {
  if (!connections) return E_POINTER;
  *connections = nullptr;
  try {
    const auto source = source_.lock();
    auto items = std::make_shared<std::vector<EventSource::Connection>>();
    if (source) *items = source->connections();
    *connections = com::Make<ConnectionEnumerator>(std::move(items)).detach();
    return S_OK;
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

HRESULT FindPoint(const std::vector<std::shared_ptr<EventSource>>& sources, IConnectionPointContainer* container,
                  REFIID iid, IConnectionPoint** point) noexcept {
  if (!point) return E_POINTER;
  *point = nullptr;
  try {
    for (const auto& source : sources) {
      if (!IsEqualIID(source->events(), iid)) continue;
      *point = com::Make<ConnectionPoint>(source, com::ComPtr<IConnectionPointContainer>(container)).detach();
      return S_OK;
    }
    return CONNECT_E_NOCONNECTION;
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

HRESULT EnumPoints(const std::vector<std::shared_ptr<EventSource>>& sources, IConnectionPointContainer* container,
                   IEnumConnectionPoints** points) noexcept {
  if (!points) return E_POINTER;
  *points = nullptr;
  try {
    auto items = std::make_shared<std::vector<com::ComPtr<IConnectionPoint>>>();
    for (const auto& source : sources) {
      const auto point = com::Make<ConnectionPoint>(source, com::ComPtr<IConnectionPointContainer>(container));
      items->push_back(com::ComPtr<IConnectionPoint>(point.get()));
    }
    *points = com::Make<PointEnumerator>(std::move(items)).detach();
    return S_OK;
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace corvane::sim
