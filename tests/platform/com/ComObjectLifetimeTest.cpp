// The object base's lifetime policies: what AddRef, Release and
// QueryInterface count, where, and who deletes the object.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/com/DispatchStub.h"
#include "platform/com/RefCount.h"

namespace corvane::com {
namespace {

// Records its own end, whatever the policy.
template <class Base>
class Tracked final : public Base {
 public:
  template <class... Args>
  explicit Tracked(bool& deleted, Args&... args) : Base(args...), deleted_(deleted) {}
  ~Tracked() override { deleted_ = true; }

  STDMETHODIMP CreateInstance(IUnknown*, REFIID, void**) override { return E_NOTIMPL; }
  STDMETHODIMP LockServer(BOOL) override { return S_OK; }

 private:
  bool& deleted_;
};

using SelfDeleting = Tracked<ComObject<IClassFactory>>;
using CountingOnly = Tracked<CountedObject<IClassFactory>>;
using OuterCounting = Tracked<OuterCountedObject<IClassFactory>>;

// One object under a policy, seen through its IClassFactory.
struct Subject {
  IClassFactory* object = nullptr;
  std::function<void()> free;  // what the owner does at the end (if anything)
};

struct Case {
  const char* policy;
  std::function<Subject(bool& deleted, RefCount& outer)> make;
  ULONG initial;       // the count as made
  bool deletesItself;  // the last Release frees it
  bool countsOnOuter;  // references land on the owner's count
};

std::vector<Case> Cases() {
  return {
      {"deletes itself",
       [](bool& deleted, RefCount&) {
         return Subject{new SelfDeleting(deleted), {}};
       },
       1, true, false},
      {"counts only",
       [](bool& deleted, RefCount&) {
         auto* object = new CountingOnly(deleted);
         return Subject{object, [object] { delete object; }};
       },
       0, false, false},
      {"counted on the outer object",
       [](bool& deleted, RefCount& outer) {
         auto* object = new OuterCounting(deleted, outer);
         return Subject{object, [object] { delete object; }};
       },
       0, false, true},
  };
}

TEST(ComObjectLifetimeTest, EachPolicyCountsWhereItShouldAndDeletesOnlyItself) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.policy);
    bool deleted = false;
    RefCount outer(5);  // the owner's own references
    const Subject subject = c.make(deleted, outer);
    IClassFactory* object = subject.object;
    const ULONG base = c.countsOnOuter ? 5 : 0;

    EXPECT_EQ(object->AddRef(), base + c.initial + 1);
    IUnknown* identity = nullptr;
    ASSERT_EQ(object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
    EXPECT_EQ(static_cast<void*>(identity), static_cast<void*>(object)) << "IUnknown is the first interface";
    IClassFactory* again = nullptr;
    ASSERT_EQ(identity->QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(&again)), S_OK);
    EXPECT_EQ(again, object);
    void* none = &deleted;
    EXPECT_EQ(object->QueryInterface(IID_IDispatch, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(object->QueryInterface(IID_IUnknown, nullptr), E_POINTER);
    EXPECT_EQ(outer.Value(), c.countsOnOuter ? 8u : 5u) << "three references taken";

    EXPECT_EQ(again->Release(), base + c.initial + 2);
    EXPECT_EQ(identity->Release(), base + c.initial + 1);
    EXPECT_EQ(object->Release(), base + c.initial);
    EXPECT_FALSE(deleted);
    if (c.deletesItself) {
      EXPECT_EQ(object->Release(), 0u);
      EXPECT_TRUE(deleted) << "the last reference freed it";
    } else {
      EXPECT_EQ(object->AddRef(), base + 1);
      EXPECT_EQ(object->Release(), base);
      EXPECT_FALSE(deleted) << "a count of zero frees nothing";
      subject.free();
      EXPECT_TRUE(deleted);
    }
    EXPECT_EQ(outer.Value(), 5u);
  }
}

// Answers IDispatch besides its listed interface, withholds that one on
// demand and tells every count change.
class Hooked final : public ComObject<IConnectionPointContainer> {
 public:
  explicit Hooked(std::string& log) : log_(log) {}
  bool withhold = false;

  STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
  STDMETHODIMP FindConnectionPoint(REFIID, IConnectionPoint**) override { return E_NOTIMPL; }

 protected:
  bool Withholds(REFIID riid) override { return withhold && IsEqualIID(riid, IID_IConnectionPointContainer); }
  void ReferenceCounted(bool added) override { log_ += added ? '+' : '-'; }

 private:
  std::string& log_;
};

TEST(ComObjectLifetimeTest, HooksSeeEveryCountChangeAndCanWithholdAListedInterface) {
  std::string log;
  auto object = Make<Hooked>(log);
  EXPECT_EQ(log, "") << "the creator's reference is no AddRef";
  EXPECT_TRUE(object.try_as<IConnectionPointContainer>());
  EXPECT_EQ(log, "+-");
  object->withhold = true;
  EXPECT_FALSE(object.try_as<IConnectionPointContainer>());
  EXPECT_TRUE(object.try_as<IUnknown>()) << "IUnknown is never withheld";
  EXPECT_EQ(log, "+-+-");
  object.reset();
  EXPECT_EQ(log, "+-+--") << "told before the last Release deletes";
}

// A sink on the stub: records what its one virtual receives.
class RecordingStub final : public DispatchStub<> {
 public:
  DISPID id = 0;
  WORD flags = 0;
  UINT arguments = 0;

 protected:
  HRESULT Invoked(DISPID called, WORD how, DISPPARAMS* params, VARIANT*) override {
    id = called;
    flags = how;
    arguments = params ? params->cArgs : 0;
    return called == 7 ? S_OK : DISP_E_MEMBERNOTFOUND;
  }
};

TEST(ComObjectLifetimeTest, TheDispatchStubOffersNoTypeInformationOrNamesAndRoutesCalls) {
  auto stub = Make<RecordingStub>();
  UINT count = 9;
  EXPECT_EQ(stub->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(stub->GetTypeInfoCount(nullptr), E_POINTER);
  ITypeInfo* info = reinterpret_cast<ITypeInfo*>(&count);
  EXPECT_EQ(stub->GetTypeInfo(0, 0, &info), E_NOTIMPL);
  EXPECT_EQ(info, nullptr);

  OLECHAR first[] = {'A', 0};
  OLECHAR second[] = {'B', 0};
  LPOLESTR names[] = {first, second};
  DISPID ids[] = {3, 4};
  EXPECT_EQ(stub->GetIDsOfNames(IID_NULL, names, 2, 0, ids), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(ids[0], DISPID_UNKNOWN);
  EXPECT_EQ(ids[1], DISPID_UNKNOWN);
  EXPECT_EQ(stub->GetIDsOfNames(IID_NULL, nullptr, 1, 0, ids), E_POINTER);

  VARIANT argument;
  VariantInit(&argument);
  DISPPARAMS params{&argument, nullptr, 1, 0};
  EXPECT_EQ(stub->Invoke(7, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(stub->id, 7);
  EXPECT_EQ(stub->flags, DISPATCH_METHOD);
  EXPECT_EQ(stub->arguments, 1u);
  EXPECT_EQ(stub->Invoke(8, IID_NULL, 0, DISPATCH_PROPERTYGET, nullptr, nullptr, nullptr, nullptr),
            DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(stub->arguments, 0u);
}

}  // namespace
}  // namespace corvane::com
