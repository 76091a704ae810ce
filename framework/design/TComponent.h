// A named object owned by another: the owner keeps its components in
// creation order and frees them when it is freed. A component joins its
// owner when it is constructed and leaves it when it is destroyed, so
// freeing one alone is safe too.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "framework/design/TObject.h"

namespace corvane::framework {

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* Owner);
  ~TComponent() override;

  std::string_view ClassName() const override { return "TComponent"; }

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string Name) { name_ = std::move(Name); }

  // Owned components in creation order.
  size_t ComponentCount() const { return components_.size(); }
  TComponent* Components(size_t Index) const { return components_.at(Index); }
  TComponent* FindComponent(std::string_view Name) const;

 protected:
  // Told that a component left this one's owner (or this one): the owner
  // passes it on to every component it still owns, so that one holding a
  // link to the freed component can drop it.
  virtual void ComponentRemoved(TComponent* Removed);

  // Frees the owned components, last created first. A derived owner calls it
  // from its own destructor when its components must go before its other
  // members do; the base destructor calls it again (a no-op by then).
  void DestroyComponents();

 private:
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  TComponent* owner_;
  std::string name_;
  std::vector<TComponent*> components_;
};

}  // namespace corvane::framework
