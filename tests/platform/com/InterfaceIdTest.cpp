// The standard IIDs the runtime exports carry their published values.
#include <gtest/gtest.h>

#include "platform/com/com.h"

namespace {

struct Expected {
  const char* name;
  const IID* iid;
  DWORD data1;
  WORD data2;
};

TEST(InterfaceId, StandardInterfacesHaveTheirPublishedIds) {
  const Expected table[] = {
      {"IUnknown", &IID_IUnknown, 0x00000000, 0x0000},
      {"IClassFactory", &IID_IClassFactory, 0x00000001, 0x0000},
      {"IDispatch", &IID_IDispatch, 0x00020400, 0x0000},
      {"ITypeInfo", &IID_ITypeInfo, 0x00020401, 0x0000},
      {"ITypeLib", &IID_ITypeLib, 0x00020402, 0x0000},
      {"IConnectionPointContainer", &IID_IConnectionPointContainer, 0xB196B284, 0xBAB4},
      {"IConnectionPoint", &IID_IConnectionPoint, 0xB196B286, 0xBAB4},
      {"IErrorInfo", &IID_IErrorInfo, 0x1CF2B120, 0x547D},
      {"ICreateErrorInfo", &IID_ICreateErrorInfo, 0x22F03340, 0x547D},
  };
  for (const auto& row : table) {
    EXPECT_EQ(row.iid->Data1, row.data1) << row.name;
    EXPECT_EQ(row.iid->Data2, row.data2) << row.name;
  }
  EXPECT_TRUE(IsEqualIID(corvane::com::iid_of<IDispatch>(), IID_IDispatch));
  EXPECT_FALSE(IsEqualIID(corvane::com::iid_of<IDispatch>(), IID_IUnknown));
}

}  // namespace
