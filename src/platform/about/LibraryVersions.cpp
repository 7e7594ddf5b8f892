#include "platform/about/LibraryVersions.h"

#include <fluidsynth.h>
#ifdef STRUMLY_HAVE_HIDAPI
#include <hidapi.h>
#endif

namespace strumly {

std::string fluidSynthVersion() {
  return fluid_version_str();
}

std::string hidapiVersion() {
#ifdef STRUMLY_HAVE_HIDAPI
  return hid_version_str();
#else
  return {};
#endif
}

}  // namespace strumly
