#include "sim/excel/objects/ExcelErrors.h"

#include <string>

namespace corvane::sim::excel {
namespace {

std::u16string Join(std::u16string_view a, std::u16string_view b, std::u16string_view c, std::u16string_view d,
                    std::u16string_view e) {
  std::u16string text(a);
  text.append(b).append(c).append(d).append(e);
  return text;
}

}  // namespace

HostError CannotGet(std::u16string_view property, std::u16string_view type) {
  return HostError(Join(u"Unable to get the ", property, u" property of the ", type, u" class"));
}

HostError CannotSet(std::u16string_view property, std::u16string_view type) {
  return HostError(Join(u"Unable to set the ", property, u" property of the ", type, u" class"));
}

HostError MethodFailed(std::u16string_view method, std::u16string_view type) {
  return HostError(Join(method, u" method of ", type, u" class", u" failed"));
}

}  // namespace corvane::sim::excel
