// Identities of the test server's class, shared by the server and the tests
// that register and create it. Internal linkage on purpose: a shared
// (unique) symbol would keep the server from ever being unloaded.
#pragma once

#include "platform/com/com.h"

namespace corvane::testserver {

// {6B1C4E2A-93D7-4F0B-A5E8-2C7D9B4F1A63}
constexpr CLSID kCounterClsid = {0x6B1C4E2A, 0x93D7, 0x4F0B, {0xA5, 0xE8, 0x2C, 0x7D, 0x9B, 0x4F, 0x1A, 0x63}};
constexpr const char16_t* kCounterProgId = u"CorvaneTest.Counter";

// The counter's dispatch members.
enum CounterMember : DISPID {
  kPing = 1,              // method: counts a call on this object, returns the count
  kCalls = 2,             // get: calls of Ping on this object
  kCreatedSinceLoad = 3,  // get: objects created since the library was loaded
  kLiveObjects = 4,       // get: objects alive now
  kServerLocks = 5,       // get: LockServer count
};

}  // namespace corvane::testserver
