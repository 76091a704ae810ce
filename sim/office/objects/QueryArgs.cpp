#include "sim/office/objects/QueryArgs.h"

namespace corvane::sim::office {

ControlQuery QueryFrom(const Args& args) {
  ControlQuery query;
  if (args[0].present()) query.type = args[0].Int();
  if (args[1].present()) query.id = args[1].Int();
  if (args[2].present()) query.tag = args[2].Text();
  query.visibleOnly = args[3].Bool(false);
  return query;
}

}  // namespace corvane::sim::office
