#include "platform/midi/SoundFontLocator.h"

#include <cstdlib>
#include <filesystem>

namespace strumly {

const std::vector<std::string>& knownSoundFontPaths() {
  static const std::vector<std::string> paths = {
      "/usr/share/sounds/sf2/default-GM.sf2",        "/usr/share/sounds/sf3/default-GM.sf3",
      "/usr/share/sounds/sf2/FluidR3_GM.sf2",        "/usr/share/sounds/sf3/FluidR3_GM.sf3",
      "/usr/share/sounds/sf3/MuseScore_General.sf3", "/usr/share/sounds/sf2/TimGM6mb.sf2",
      "/usr/share/soundfonts/default.sf2",           "/usr/share/soundfonts/FluidR3_GM.sf2",
  };
  return paths;
}

std::optional<std::string> findSoundFont() {
  if (const char* chosen = std::getenv("STRUMLY_SOUNDFONT"); chosen != nullptr && *chosen != '\0') {
    if (std::filesystem::is_regular_file(chosen)) return std::string(chosen);
    return std::nullopt;
  }
  for (const std::string& path : knownSoundFontPaths()) {
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) return path;
  }
  return std::nullopt;
}

}  // namespace strumly
