// The root of the framework's designed objects: components and collection
// items alike. Events name their sender as a TObject, so one handler shape
// serves a module event and a button click.
#pragma once

#include <string_view>

namespace corvane::framework {

class DesignItems;

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  // The class name as the documents and the design text give it.
  virtual std::string_view ClassName() const = 0;

  // The items the object holds in its design (a bar's or a popup's
  // controls), or null for an object that holds none.
  virtual DesignItems* DesignedItems() { return nullptr; }
  const DesignItems* DesignedItems() const { return const_cast<TObject*>(this)->DesignedItems(); }
};

}  // namespace corvane::framework
