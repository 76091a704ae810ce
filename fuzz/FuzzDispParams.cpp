#include "fuzz/FuzzDispParams.h"

#include <cstring>
#include <iterator>

#include "platform/com/Text.h"

namespace corvane::fuzz {
namespace {

// The types a host may send; VT_VARIANT only by reference or in arrays.
constexpr VARTYPE kTypes[] = {VT_EMPTY, VT_NULL,     VT_I2,    VT_I4,   VT_R4,      VT_R8,      VT_CY, VT_DATE,
                              VT_BSTR,  VT_DISPATCH, VT_ERROR, VT_BOOL, VT_VARIANT, VT_UNKNOWN, VT_I1, VT_UI1,
                              VT_UI2,   VT_UI4,      VT_I8,    VT_UI8,  VT_INT,     VT_UINT};
constexpr size_t kMostArguments = 8;
constexpr size_t kMostElements = 3;

enum class Form { Plain, Reference, NullReference, Array, AnyType };

}  // namespace

FuzzDispParams::FuzzDispParams(ByteSource& input, const std::vector<IDispatch*>& objects)
    : input_(input), objects_(objects) {
  present_ = input_.Pick(16) != 0;
  const size_t count = input_.Pick(kMostArguments + 1);
  arguments_.resize(count);
  owned_.assign(count, false);
  slots_.resize(count);
  for (size_t i = 0; i < count; ++i) {
    VariantInit(&arguments_[i]);
    VariantInit(&slots_[i].variant);
    Fill(arguments_[i], slots_[i]);
    owned_[i] = !(arguments_[i].vt & VT_BYREF);
  }
  // Sometimes more names than arguments, sometimes ids out of range.
  named_.resize(input_.Pick(count + 2));
  for (DISPID& id : named_) id = input_.Byte() & 0x80 ? static_cast<DISPID>(input_.Number()) : input_.Pick(count + 1);
  params_.cArgs = static_cast<UINT>(count);
  params_.cNamedArgs = static_cast<UINT>(named_.size());
  params_.rgvarg = count && input_.Pick(16) ? arguments_.data() : nullptr;
  params_.rgdispidNamedArgs = !named_.empty() && input_.Pick(16) ? named_.data() : nullptr;
}

FuzzDispParams::~FuzzDispParams() {
  for (size_t i = 0; i < arguments_.size(); ++i) {
    if (owned_[i]) VariantClear(&arguments_[i]);
    Slot& slot = slots_[i];
    VariantClear(&slot.variant);
    SysFreeString(slot.text);
    if (slot.object) slot.object->Release();
  }
}

VARTYPE FuzzDispParams::PickType() { return kTypes[input_.Pick(std::size(kTypes))]; }

void FuzzDispParams::Fill(VARIANT& value, Slot& slot) {
  const VARTYPE type = PickType();
  switch (static_cast<Form>(input_.Pick(5))) {
    case Form::Plain:
      Plain(value, type);
      break;
    case Form::Reference:
      Reference(value, type, slot);
      break;
    case Form::NullReference:
      value.vt = static_cast<VARTYPE>(type | VT_BYREF);
      break;
    case Form::Array:
      value.vt = static_cast<VARTYPE>(type | VT_ARRAY);
      value.parray = Array(type);
      break;
    case Form::AnyType:
      // Nothing to point at: whatever the type, its payload is null.
      value.vt = input_.Word();
      break;
  }
}

void FuzzDispParams::Plain(VARIANT& value, VARTYPE type) {
  if (type == VT_VARIANT) type = VT_EMPTY;  // a VARIANT holds another only by reference
  value.vt = type;
  if (type == VT_BSTR) {
    const std::u16string text = input_.Text16(24);
    value.bstrVal = input_.Pick(8) ? SysAllocStringLen(com::ole(text), static_cast<UINT>(text.size())) : nullptr;
  } else if (type == VT_DISPATCH || type == VT_UNKNOWN) {
    value.pdispVal = objects_[input_.Pick(objects_.size())];
    if (value.pdispVal) value.pdispVal->AddRef();
  } else {
    const uint64_t bits = static_cast<uint64_t>(input_.Number()) << 32 | input_.Number();
    std::memcpy(&value.llVal, &bits, sizeof bits);
  }
}

void FuzzDispParams::Reference(VARIANT& value, VARTYPE type, Slot& slot) {
  value.vt = static_cast<VARTYPE>(type | VT_BYREF);
  VARIANT held;
  VariantInit(&held);
  switch (type) {
    case VT_VARIANT:
      Plain(slot.variant, PickType());
      value.pvarVal = &slot.variant;
      return;
    case VT_BSTR:
    case VT_DISPATCH:
    case VT_UNKNOWN:
      Plain(held, type);
      slot.text = type == VT_BSTR ? held.bstrVal : nullptr;
      slot.object = type == VT_BSTR ? nullptr : held.pdispVal;
      value.byref = type == VT_BSTR ? static_cast<void*>(&slot.text) : static_cast<void*>(&slot.object);
      return;
    default:
      Plain(held, type);
      std::memcpy(slot.scalar, &held.llVal, sizeof held.llVal);
      value.byref = slot.scalar;
      return;
  }
}

SAFEARRAY* FuzzDispParams::Array(VARTYPE type) {
  if (type == VT_EMPTY || type == VT_NULL || !input_.Pick(8)) return nullptr;
  return SafeArrayCreateVector(type, static_cast<LONG>(input_.Byte()) - 128,
                               static_cast<ULONG>(input_.Pick(kMostElements + 1)));
}

}  // namespace corvane::fuzz
