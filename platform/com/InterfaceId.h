// Maps an interface type to its IID so smart pointers and queries need no
// separate IID argument. Standard interfaces are mapped here; others are
// declared next to their definition with CORVANE_DEFINE_INTERFACE_ID.
#pragma once

#include "platform/com/com.h"  // IID and the standard interfaces; com.h includes this file last

namespace corvane::com {

template <class I>
struct InterfaceId;  // specialised per interface

template <class I>
inline const IID& iid_of() {
  return InterfaceId<I>::get();
}

}  // namespace corvane::com

// Maps an interface to an IID constant the runtime exports (IID_IUnknown ...).
#define CORVANE_INTERFACE_ID(Interface, constant) \
  template <>                                     \
  struct corvane::com::InterfaceId<Interface> {   \
    static const IID& get() { return constant; }  \
  }

// Defines the IID of an interface of our own or of the host's object models.
#define CORVANE_DEFINE_INTERFACE_ID(Interface, l, w1, w2, b1, b2, b3, b4, b5, b6, b7, b8) \
  template <>                                                                             \
  struct corvane::com::InterfaceId<Interface> {                                           \
    static const IID& get() {                                                             \
      static const IID id = {l, w1, w2, {b1, b2, b3, b4, b5, b6, b7, b8}};                \
      return id;                                                                          \
    }                                                                                     \
  }

CORVANE_INTERFACE_ID(IUnknown, IID_IUnknown);
CORVANE_INTERFACE_ID(IDispatch, IID_IDispatch);
CORVANE_INTERFACE_ID(IClassFactory, IID_IClassFactory);
CORVANE_INTERFACE_ID(IConnectionPointContainer, IID_IConnectionPointContainer);
CORVANE_INTERFACE_ID(IConnectionPoint, IID_IConnectionPoint);
CORVANE_INTERFACE_ID(IEnumConnections, IID_IEnumConnections);
CORVANE_INTERFACE_ID(IEnumConnectionPoints, IID_IEnumConnectionPoints);
CORVANE_INTERFACE_ID(IErrorInfo, IID_IErrorInfo);
CORVANE_INTERFACE_ID(ICreateErrorInfo, IID_ICreateErrorInfo);
CORVANE_INTERFACE_ID(ISupportErrorInfo, IID_ISupportErrorInfo);
CORVANE_INTERFACE_ID(ITypeLib, IID_ITypeLib);
CORVANE_INTERFACE_ID(ITypeInfo, IID_ITypeInfo);
CORVANE_INTERFACE_ID(IEnumVARIANT, IID_IEnumVARIANT);
CORVANE_INTERFACE_ID(IPicture, IID_IPicture);
