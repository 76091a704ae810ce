// Test entry point: COM initialised for the whole run, as in a host.
#include <gtest/gtest.h>

#include "platform/com/com.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  CoInitialize(nullptr);
  const int result = RUN_ALL_TESTS();
  CoUninitialize();
  return result;
}
