// How an event component turns the arguments of a host call (in natural
// order) into its handlers' parameters. Each conversion is a type with
// Convert (the value it holds for the call; throws ComError when the
// argument is of the wrong kind) and Pass (what the handler gets).
// RaiseEvent converts every argument before it calls the handler, so a
// conversion that fails calls nothing.
#pragma once

#include <cstddef>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/com/ComError.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"
#include "platform/com/com.h"

namespace corvane::framework::event_conversions {

// The object queried for the host interface Iid; an empty or null
// argument stays null.
com::ComPtr<IDispatch> QueryObject(const com::Variant& argument, const IID& iid);
// Any object as IDispatch; empty gives null.
com::ComPtr<IDispatch> AnyObject(const com::Variant& argument);

template <const IID& Iid>
struct Object {
  static com::ComPtr<IDispatch> Convert(const com::Variant& argument) { return QueryObject(argument, Iid); }
  static IDispatch* Pass(const com::ComPtr<IDispatch>& held) { return held.get(); }
};

struct Dispatch {
  static com::ComPtr<IDispatch> Convert(const com::Variant& argument) { return AnyObject(argument); }
  static IDispatch* Pass(const com::ComPtr<IDispatch>& held) { return held.get(); }
};

struct Text {
  static std::u16string Convert(const com::Variant& argument) { return argument.ToText(); }
  static const std::u16string& Pass(const std::u16string& held) { return held; }
};

struct Flag {
  static VARIANT_BOOL Convert(const com::Variant& argument) { return argument.ToBool() ? VARIANT_TRUE : VARIANT_FALSE; }
  static VARIANT_BOOL Pass(VARIANT_BOOL held) { return held; }
};

struct Integer {
  static int32_t Convert(const com::Variant& argument) { return argument.ToInt32(); }
  static int32_t Pass(int32_t held) { return held; }
};

// The host's own flag behind a by-reference argument; a flag that arrives
// by value is handed over as a local copy.
struct CancelSlot {
  VARIANT_BOOL* host = nullptr;
  VARIANT_BOOL local = VARIANT_FALSE;
};
CancelSlot CancelOf(const com::Variant& argument);

struct Cancel {
  static CancelSlot Convert(const com::Variant& argument) { return CancelOf(argument); }
  static VARIANT_BOOL& Pass(CancelSlot& held) { return held.host ? *held.host : held.local; }
};

template <class... Conversions, class Handler, class Sender, size_t... I>
void RaiseConverted(const Handler& handler, Sender* sender, std::vector<com::Variant>& params,
                    std::index_sequence<I...>) {
  if (params.size() < sizeof...(Conversions)) {
    throw com::ComError(DISP_E_BADPARAMCOUNT, u"The event arrived with too few arguments.");
  }
  // Braced initialisation converts left to right, all before the call.
  std::tuple<decltype(Conversions::Convert(params[I]))...> held{Conversions::Convert(params[I])...};
  handler(sender, Conversions::Pass(std::get<I>(held))...);
}

// Calls the handler with sender and the converted arguments; an empty
// handler converts nothing.
template <class... Conversions, class Handler, class Sender>
void RaiseEvent(const Handler& handler, Sender* sender, std::vector<com::Variant>& params) {
  if (!handler) return;
  RaiseConverted<Conversions...>(handler, sender, params, std::index_sequence_for<Conversions...>{});
}

}  // namespace corvane::framework::event_conversions
