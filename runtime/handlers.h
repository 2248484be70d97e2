#pragma once

#include <exception>
#include <functional>
#include <string>
#include <type_traits>

// The exception helper: every event and menu handler runs inside it, so no
// exception ever reaches the Qt event loop. What escapes is reported on
// standard error as "<class>: <message>" and the application goes on.
namespace corvanta {

// Writes "Unhandled <class>: <message>" for an escaped exception.
void ReportException(const std::exception_ptr& error);

namespace detail {
// An empty std::function is a handler that is not there.
template <class T>
inline constexpr bool isStdFunction = false;
template <class R, class... Args>
inline constexpr bool isStdFunction<std::function<R(Args...)>> = true;
} // namespace detail

// Runs any handler and gives its result; when it throws, or is an empty
// std::function, gives the result type's default instead (false for a
// Boolean handler).
template <class Handler>
std::invoke_result_t<Handler&> CallWithExceptionHandling(Handler&& handler)
{
    using Result = std::invoke_result_t<Handler&>;
    if constexpr (detail::isStdFunction<std::remove_cvref_t<Handler>>) {
        if (!handler)
            return Result();
    }
    try {
        return handler();
    } catch (...) {
        ReportException(std::current_exception());
        return Result();
    }
}

// Counts the exceptions reported so far; tests read it.
int ReportedExceptionCount();

// Raises ThreadAccessingUIException unless called on the UI thread (the
// thread of the QApplication). Every UI operation calls it first.
void RequireUIThread();

} // namespace corvanta
