#include "sim/office/model/BarProperties.h"

#include <array>

namespace corvane::sim::office {

namespace {
using P = BarProperties;
const std::array<Field<P>, 9> kFields{{
    {"name", &P::name},
    {"nameLocal", &P::nameLocal},
    {"enabled", &P::enabled},
    {"visible", &P::visible},
    {"left", &P::left},
    {"top", &P::top},
    {"rowIndex", &P::rowIndex},
    {"position", &P::position},
    {"protection", &P::protection},
}};
}  // namespace

FieldTable<BarProperties> BarFields() { return kFields; }

}  // namespace corvane::sim::office
