#pragma once
// The versions of the libraries the program runs on, as the libraries themselves report them at
// run time (the about box credits them).
#include <string>

namespace strumly {

std::string fluidSynthVersion();
// Empty when the program was built without HID support.
std::string hidapiVersion();

}  // namespace strumly
