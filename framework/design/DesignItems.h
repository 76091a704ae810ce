// The items an object holds (a bar's or a popup's controls) as the design
// reader and writer see them: their kinds, each kind's property table, and
// a new item made from a kind code. The design layer knows no item class;
// the collection that owns the items answers for them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/design/DesignProperties.h"
#include "framework/design/TObject.h"

namespace corvane::framework {

class DesignItems {
 public:
  virtual size_t ItemCount() const = 0;
  virtual TObject& ItemAt(size_t Index) const = 0;
  virtual int32_t ItemKind(size_t Index) const = 0;
  // The stored properties of an item of that kind code; null for a kind
  // without an item class.
  virtual const PropertyTable* ItemProperties(int32_t Kind) const = 0;
  virtual void ClearItems() = 0;
  // Appends an item of that kind; throws when the kind cannot be made.
  virtual TObject& AddItem(int32_t Kind) = 0;

 protected:
  ~DesignItems() = default;
};

}  // namespace corvane::framework
