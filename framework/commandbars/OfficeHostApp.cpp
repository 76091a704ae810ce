#include "framework/commandbars/OfficeHostApp.h"

namespace corvane::framework {

EnumNames OfficeHostAppNames() {
  static constexpr EnumName kNames[] = {
      {"ohaExcel", ohaExcel},           {"ohaWord", ohaWord},         {"ohaOutlook", ohaOutlook},
      {"ohaPowerPoint", ohaPowerPoint}, {"ohaAccess", ohaAccess},     {"ohaProject", ohaProject},
      {"ohaFrontPage", ohaFrontPage},   {"ohaMapPoint", ohaMapPoint}, {"ohaVisio", ohaVisio},
      {"ohaPublisher", ohaPublisher},
  };
  return kNames;
}

}  // namespace corvane::framework
