// Event conventions of the framework. An event is a method reference held
// in a std::function: empty until assigned, tested for assignment before
// each call, and its first parameter is always the object that raises it.
#pragma once

#include <exception>
#include <functional>

namespace corvane::framework {

class TObject;

using TNotifyEvent = std::function<void(TObject* Sender)>;

// The module's OnError: Handled is false on entry; a handler that sets it
// keeps the module from showing its message box.
using TkvxOnError = std::function<void(TObject* Sender, const std::exception& E, bool& Handled)>;

}  // namespace corvane::framework
