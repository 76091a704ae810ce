#include "sim/office/model/ControlProperties.h"

#include <array>

namespace corvane::sim::office {

namespace {
using P = ControlProperties;
const std::array<Field<P>, 25> kFields{{
    {"beginGroup", &P::beginGroup},
    {"caption", &P::caption},
    {"descriptionText", &P::descriptionText},
    {"enabled", &P::enabled},
    {"height", &P::height},
    {"width", &P::width},
    {"helpContextId", &P::helpContextId},
    {"helpFile", &P::helpFile},
    {"onAction", &P::onAction},
    {"parameter", &P::parameter},
    {"priority", &P::priority},
    {"tag", &P::tag},
    {"tooltipText", &P::tooltipText},
    {"visible", &P::visible},
    {"faceId", &P::faceId},
    {"shortcutText", &P::shortcutText},
    {"state", &P::state},
    {"style", &P::style},
    {"hyperlinkType", &P::hyperlinkType},
    {"text", &P::text},
    {"listIndex", &P::listIndex},
    {"dropDownLines", &P::dropDownLines},
    {"dropDownWidth", &P::dropDownWidth},
    {"listHeaderCount", &P::listHeaderCount},
    {"comboStyle", &P::comboStyle},
}};
}  // namespace

FieldTable<ControlProperties> ControlFields() { return kFields; }

}  // namespace corvane::sim::office
