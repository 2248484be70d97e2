#pragma once

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

namespace corvanta {

// A class as registered with the framework, under "Module.Class". Window
// lookups by class name go through it.
class ClassRecord {
public:
    explicit ClassRecord(std::string name) : name_(std::move(name)) {}
    const std::string& name() const { return name_; }

private:
    std::string name_;
};

// Binds a method of a framework object (its class's own or one it inherits)
// into a delegate. The delegate holds the object weakly: once the object is
// gone it does nothing (and returns the result type's default), so a late
// event cannot reach a closed window.
template <class Owner, class Class, class R, class... Args>
requires std::is_base_of_v<Class, Owner> std::function<R(Args...)> CreateDelegate(const std::shared_ptr<Owner>& owner,
                                                                                  R (Class::*method)(Args...))
{
    std::weak_ptr<Owner> weak = owner;
    return [weak, method](Args... args) -> R {
        if (auto self = weak.lock())
            return ((*self).*method)(std::forward<Args>(args)...);
        if constexpr (!std::is_void_v<R>)
            return R{};
    };
}

} // namespace corvanta
