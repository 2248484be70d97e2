#pragma once

#include <exception>
#include <functional>
#include <string>

// The exception helper: every event and menu handler runs inside it, so no
// exception ever reaches the Qt event loop. What escapes is reported on
// standard error as "<class>: <message>" and the application goes on.
namespace corvanta {

void CallWithExceptionHandling(const std::function<void()>& handler);
// For handlers with a Boolean result: false when the handler failed.
bool CallWithExceptionHandling(const std::function<bool()>& handler);

// Writes "Unhandled <class>: <message>" for an escaped exception.
void ReportException(const std::exception_ptr& error);

// Counts the exceptions reported so far; tests read it.
int ReportedExceptionCount();

// Raises ThreadAccessingUIException unless called on the UI thread (the
// thread of the QApplication). Every UI operation calls it first.
void RequireUIThread();

} // namespace corvanta
