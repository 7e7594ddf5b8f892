#include "core/app/HelpRouting.h"

#include <array>
#include <utility>

namespace strumly {
namespace {

constexpr std::array<std::pair<std::uint32_t, std::string_view>, 12> kTopics{{
    {help::kChordsPage, "chords.html"},
    {help::kChordDesignPage, "chord-design.html"},
    {help::kPlayPage, "play-page.html"},
    {help::kPrintPage, "print.html"},
    {help::kScalesPage, "scales.html"},
    {help::kTablaturePage, "tablature.html"},
    {help::kAddChord, "add-chord.html"},
    {help::kAbout, "about.html"},
    {help::kIntervalCalculator, "interval-calculator.html"},
    {help::kPreferencesMidi, "preferences.html#midi"},
    {help::kPreferencesFretlight, "preferences.html#fretlight"},
    {help::kPreferencesStrumly, "preferences.html#strumly"},
}};

// A Finder request names a page; only a plain file name of the help folder is followed, so a
// request cannot lead the viewer out of the help.
bool isPlainPageName(std::string_view name) {
  if (name.empty() || name.find("..") != std::string_view::npos) return false;
  if (name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos) return false;
  const std::string_view file = name.substr(0, name.find('#'));
  return file.size() > 5 && file.substr(file.size() - 5) == ".html";
}

}  // namespace

HelpCall routeHelpRequest(const HelpRequest& request) {
  switch (static_cast<HelpCommand>(request.command)) {
    case HelpCommand::Context:
    case HelpCommand::ContextPopup:
      return {HelpAction::HelpContext, request.context, {}};
    case HelpCommand::Quit:
      return {HelpAction::CloseAll, 0, {}};
    case HelpCommand::Index:
      return {HelpAction::TableOfContents, 0, {}};
    case HelpCommand::Finder:
      return {HelpAction::DisplayTopic, 0, request.text};
    case HelpCommand::Key:
      return {HelpAction::KeywordIndex, 0, request.text};
  }
  return {HelpAction::DisplayTopic, 0, {}};
}

std::optional<std::string_view> helpPageFor(std::uint32_t context) {
  for (const auto& [number, page] : kTopics)
    if (number == context) return page;
  return std::nullopt;
}

HelpDestination destinationOf(const HelpCall& call) {
  HelpDestination to;
  switch (call.action) {
    case HelpAction::HelpContext:
      if (const auto page = helpPageFor(call.context)) to.page = std::string(*page);
      break;
    case HelpAction::DisplayTopic:
      if (isPlainPageName(call.text)) to.page = call.text;
      break;
    case HelpAction::KeywordIndex:
      to.kind = HelpDestination::Kind::Index;
      to.keyword = call.text;
      break;
    case HelpAction::CloseAll:
      to.kind = HelpDestination::Kind::Close;
      break;
    case HelpAction::TableOfContents:
      break;
  }
  return to;
}

int helpContextOf(PageId page) {
  return help::kChordsPage + static_cast<int>(page);
}

}  // namespace strumly
