#pragma once

#include <string>

namespace corvanta {

// The framework's own Edit commands ("EditUndo" ... "EditSelectAll") on the
// focused single-line field; any other name, or no such field, does nothing.
void editFocusedField(const std::string& name);

} // namespace corvanta
