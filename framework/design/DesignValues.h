// Conversions between the written values of the design text and the
// properties' types. A value of the wrong kind or out of range throws
// DesignFault with what is wrong.
#pragma once

#include <cstdint>
#include <string>

#include "framework/design/DesignTree.h"
#include "framework/design/EnumName.h"

namespace corvane::framework {

bool DesignToBoolean(const DesignValue& value);
int32_t DesignToInt32(const DesignValue& value);
std::u16string DesignToString(const DesignValue& value);
int DesignToEnum(const DesignValue& value, EnumNames names);
// Bit n for the value n of names.
uint32_t DesignToSet(const DesignValue& value, EnumNames names);
const std::vector<uint8_t>& DesignToBytes(const DesignValue& value);
const std::vector<std::u16string>& DesignToStrings(const DesignValue& value);

DesignValue DesignFromEnum(int value, EnumNames names);
DesignValue DesignFromSet(uint32_t bits, EnumNames names);

}  // namespace corvane::framework
