// Which handler the design assigned to which event of which object, so that
// a written design names its handlers again. Events assigned in code are
// not named here and are not written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane::framework {

class TObject;

class DesignHandlerNames {
 public:
  void Record(const TObject* object, std::string_view event, std::string_view handler);
  // Empty when the design assigned nothing to that event.
  std::string_view Find(const TObject* object, std::string_view event) const;
  // Forgets an object that goes away.
  void Forget(const TObject* object);

 private:
  struct Entry {
    const TObject* object;
    std::string event;
    std::string handler;
  };
  std::vector<Entry> entries_;
};

}  // namespace corvane::framework
