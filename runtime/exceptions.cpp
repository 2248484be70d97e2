#include "exceptions.h"

namespace corvanta {

void RaiseNilObjectException(const std::string& what)
{
    throw NilObjectException(what.empty() ? std::string("nil object used") : "nil object used: " + what);
}

} // namespace corvanta
