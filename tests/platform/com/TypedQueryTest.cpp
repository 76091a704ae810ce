// Typed queries on smart and raw pointers: as throws the query's HRESULT,
// try_as answers empty.
#include <gtest/gtest.h>

#include <functional>

#include "platform/com/ComError.h"
#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "tests/platform/com/CountedObject.h"

namespace corvane::com {
namespace {

using testing::CountedObject;
using testing::RefsOf;

// An interface known only by an id of its own, answered with IUnknown's
// methods (as a dispinterface is answered with IDispatch).
const IID kOtherIid = {0x3c1e2a10, 0x7d4b, 0x4e21, {0x9a, 0x55, 0x10, 0x2b, 0x6e, 0x0c, 0x44, 0x91}};

class Answering final : public ComObject<IUnknown> {
 protected:
  void* QueryOther(REFIID riid) override { return IsEqualIID(riid, kOtherIid) ? identity() : nullptr; }
};

TEST(TypedQueryTest, TryAsAnswersEmptyWhereAsThrowsTheQuerysHresult) {
  const auto object = Make<Answering>();
  const ComPtr<IUnknown> empty;
  struct Case {
    const char* what;
    std::function<ComPtr<IUnknown>()> tryAs;
    std::function<ComPtr<IUnknown>()> as;
    HRESULT failure;  // S_OK: found
  };
  const Case cases[] = {
      {"by type", [&] { return object.try_as<IUnknown>(); }, [&] { return object.as<IUnknown>(); }, S_OK},
      {"by id", [&] { return object.try_as<IUnknown>(kOtherIid); }, [&] { return object.as<IUnknown>(kOtherIid); },
       S_OK},
      {"raw pointer", [&] { return try_as<IUnknown>(object.get(), kOtherIid); },
       [&] { return as<IUnknown>(object.get(), kOtherIid); }, S_OK},
      {"missing", [&] { return ComPtr<IUnknown>(object.try_as<IDispatch>().get()); },
       [&] { return ComPtr<IUnknown>(object.as<IDispatch>().get()); }, E_NOINTERFACE},
      {"missing by id", [&] { return object.try_as<IUnknown>(IID_IClassFactory); },
       [&] { return object.as<IUnknown>(IID_IClassFactory); }, E_NOINTERFACE},
      {"empty pointer", [&] { return empty.try_as<IUnknown>(); }, [&] { return empty.as<IUnknown>(); }, E_POINTER},
      {"null raw pointer", [&] { return try_as<IUnknown>(static_cast<IUnknown*>(nullptr)); },
       [&] { return as<IUnknown>(static_cast<IUnknown*>(nullptr)); }, E_POINTER},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ComPtr<IUnknown> tried = c.tryAs();
    EXPECT_EQ(static_cast<bool>(tried), c.failure == S_OK);
    if (c.failure == S_OK) {
      EXPECT_EQ(tried.get(), object.get());
      EXPECT_EQ(c.as().get(), object.get());
      continue;
    }
    try {
      c.as();
      ADD_FAILURE() << "no exception";
    } catch (const ComError& error) {
      EXPECT_EQ(error.code(), c.failure);
      EXPECT_EQ(error.hresult(), c.failure);
    }
  }
  EXPECT_EQ(object->RefCount(), 1u) << "no query keeps a reference";
}

TEST(TypedQueryTest, AQueryHoldsExactlyTheReferenceItReturns) {
  const auto object = Make<CountedObject>();
  {
    const ComPtr<IUnknown> held = object.as<IUnknown>();
    EXPECT_EQ(RefsOf(object.get()), 2u);
    const ComPtr<IUnknown> also = try_as<IUnknown>(held.get());
    EXPECT_EQ(RefsOf(object.get()), 3u);
  }
  EXPECT_EQ(RefsOf(object.get()), 1u);
}

}  // namespace
}  // namespace corvane::com
