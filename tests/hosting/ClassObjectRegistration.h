// A class object made known to the COM runtime for the object's life.
#pragma once

#include <gtest/gtest.h>

#include "platform/com/com.h"

namespace corvane::framework::testing {

class ClassObjectRegistration {
 public:
  ClassObjectRegistration(REFCLSID classId, IClassFactory* factory) {
    EXPECT_EQ(CoRegisterClassObject(classId, factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_), S_OK);
  }
  ~ClassObjectRegistration() { CoRevokeClassObject(cookie_); }
  ClassObjectRegistration(const ClassObjectRegistration&) = delete;
  ClassObjectRegistration& operator=(const ClassObjectRegistration&) = delete;

 private:
  DWORD cookie_ = 0;
};

}  // namespace corvane::framework::testing
