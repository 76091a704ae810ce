// The COM enumerators of connection points, connections and collection
// items: a copy of the list taken when the enumerator is made, handed out one
// reference per element, as the caller releases what Next gives.
#pragma once

#include <memory>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"

namespace corvane::sim {

// Out: the element type Next fills (IConnectionPoint*, CONNECTDATA, VARIANT).
// Item: what the snapshot keeps. Give(item) makes an Out that owns one new
// reference. List: size() and operator[] giving Items; a list that makes its
// items on demand spares a snapshot of every cell of a large range.
template <class IEnum, class Out, class Item, Out (*Give)(const Item&), class List = std::vector<Item>>
class SnapshotEnumerator final : public com::ComObject<IEnum> {
 public:
  explicit SnapshotEnumerator(std::shared_ptr<const List> items, ULONG position = 0)
      : items_(std::move(items)), position_(position) {}

  STDMETHODIMP Next(ULONG count, Out* out, ULONG* fetched) override {
    if (!out || (count > 1 && !fetched)) return E_POINTER;
    ULONG given = 0;
    while (given < count && position_ < items_->size()) out[given++] = Give((*items_)[position_++]);
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  }
  STDMETHODIMP Skip(ULONG count) override {
    const ULONG left = static_cast<ULONG>(items_->size()) - position_;
    const ULONG skipped = count < left ? count : left;
    position_ += skipped;
    return skipped == count ? S_OK : S_FALSE;
  }
  STDMETHODIMP Reset() override {
    position_ = 0;
    return S_OK;
  }
  STDMETHODIMP Clone(IEnum** copy) override {
    if (!copy) return E_POINTER;
    *copy = com::Make<SnapshotEnumerator>(items_, position_).detach();
    return S_OK;
  }

 private:
  std::shared_ptr<const List> items_;
  ULONG position_;
};

}  // namespace corvane::sim
