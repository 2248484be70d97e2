#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace corvanta {

// Every failure the framework raises. className() is what the reporter prints.
class RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(const std::string& message = {}) : std::runtime_error(message) {}
    virtual const char* className() const noexcept { return "RuntimeException"; }
};

// Using an object that is not there.
class NilObjectException : public RuntimeException {
public:
    explicit NilObjectException(const std::string& message = {}) : RuntimeException(message) {}
    const char* className() const noexcept override { return "NilObjectException"; }
};

// A cast to a class the object does not belong to.
class IllegalCastException : public RuntimeException {
public:
    explicit IllegalCastException(const std::string& message = {}) : RuntimeException(message) {}
    const char* className() const noexcept override { return "IllegalCastException"; }
};

// A user-interface operation called from a thread other than the UI thread.
class ThreadAccessingUIException : public RuntimeException {
public:
    explicit ThreadAccessingUIException(const std::string& message = {}) : RuntimeException(message) {}
    const char* className() const noexcept override { return "ThreadAccessingUIException"; }
};

// A value or stored data that the framework cannot read.
class UnsupportedFormatException : public RuntimeException {
public:
    explicit UnsupportedFormatException(const std::string& message = {}) : RuntimeException(message) {}
    const char* className() const noexcept override { return "UnsupportedFormatException"; }
};

// A name that the target does not know (a property, a menu item).
class KeyNotFoundException : public RuntimeException {
public:
    explicit KeyNotFoundException(const std::string& message = {}) : RuntimeException(message) {}
    const char* className() const noexcept override { return "KeyNotFoundException"; }
};

[[noreturn]] void RaiseNilObjectException(const std::string& what = {});

// Turns a missing object into NilObjectException; returns the object itself.
template <class P>
P&& NotNil(P&& object, const char* what = "")
{
    if (!object)
        RaiseNilObjectException(what);
    return std::forward<P>(object);
}

// The checked cast: nil stays nil, an object of another class raises.
template <class T, class U>
std::shared_ptr<T> CheckCast(const std::shared_ptr<U>& object, const char* target = "")
{
    if (!object)
        return nullptr;
    auto cast = std::dynamic_pointer_cast<T>(object);
    if (!cast)
        throw IllegalCastException(std::string("object cannot be cast to ") + target);
    return cast;
}

// The class test: false for nil, never raises.
template <class T, class U>
bool IsA(const std::shared_ptr<U>& object)
{
    return object && std::dynamic_pointer_cast<T>(object) != nullptr;
}

} // namespace corvanta
