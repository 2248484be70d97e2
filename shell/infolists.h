#pragma once

#include <string>

// The stored property lists of the About window, each built once: the
// window's own, then its four controls' in the order they are created.
namespace corvanta::infolists {

const std::string& WindowList();
const std::string& StaticText1List();
const std::string& StaticText2List();
const std::string& PushButton1List();
const std::string& ImageWell1List();

} // namespace corvanta::infolists
