#include "core/tab/TabCommands.h"

#include "core/tab/TabConversion.h"
#include "core/tab/TabFile.h"

namespace strumly {

std::string convertRawTabFile(const std::filesystem::path& rawTab, const std::filesystem::path& tabPageFile) {
  const TabTextReadResult raw = readTabTextFile(rawTab);
  if (!raw.ok) return raw.error;
  const std::optional<ConvertedTab> converted = convertTab(checkTabEdits(raw.lines).workingLines, true);
  if (!converted) return rawTab.string() + ": " + std::string(kNoTabFound);
  TabPageSettings settings;
  settings.markers = converted->markers;
  return writeTabPageFile(tabPageFile, settings, converted->lines);
}

}  // namespace strumly
