#pragma once
// Where a help request of the program leads in its help pages. Every control and dialog that has
// a help topic carries a help context number; a request names a help command and its data, and
// the routing turns it into one destination: a page of the help (with an optional anchor), the
// keyword index, or closing the help window. Contexts with no topic open the contents, so a
// request never ends in nothing.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/PageRules.h"

namespace strumly {

// The help contexts the program's controls and dialogs carry.
namespace help {
constexpr int kContents = 0;  // no topic: "&Help Topics" opens the contents
constexpr int kChordsPage = 200;
constexpr int kChordDesignPage = 201;
constexpr int kPlayPage = 202;
constexpr int kPrintPage = 203;
constexpr int kScalesPage = 204;
constexpr int kTablaturePage = 205;
constexpr int kAddChord = 400;
constexpr int kAbout = 410;
constexpr int kIntervalCalculator = 500;
constexpr int kPreferencesMidi = 600;
constexpr int kPreferencesFretlight = 700;
constexpr int kPreferencesStrumly = 800;
}  // namespace help

// The help commands a request can carry (the numbers are those of the application's help
// requests).
enum class HelpCommand : std::uint32_t {
  Context = 1,
  Quit = 2,
  Index = 3,
  ContextPopup = 8,
  Finder = 11,
  Key = 257,
};

// What the help viewer is asked to do, numbered as the HTML help commands.
enum class HelpAction : std::uint32_t {
  DisplayTopic = 0,
  TableOfContents = 1,
  KeywordIndex = 2,
  HelpContext = 15,
  CloseAll = 18,
};

struct HelpRequest {
  std::uint32_t command = 0;  // a HelpCommand value, or any other number
  std::uint32_t context = 0;  // the context number of Context and ContextPopup
  std::string text;           // the page of Finder, the keyword of Key
};

struct HelpCall {
  HelpAction action = HelpAction::DisplayTopic;
  std::uint32_t context = 0;
  std::string text;
  friend bool operator==(const HelpCall&, const HelpCall&) = default;
};

// The one viewer call a request becomes.
HelpCall routeHelpRequest(const HelpRequest& request);

inline constexpr std::string_view kHelpContentsPage = "index.html";

struct HelpDestination {
  enum class Kind { Page, Index, Close };
  Kind kind = Kind::Page;
  std::string page{kHelpContentsPage};  // file name in the help folder, with "#anchor" when any
  std::string keyword;                  // for Index: the keyword to look up
  friend bool operator==(const HelpDestination&, const HelpDestination&) = default;
};

// The page a context opens; nullopt for a context with no topic of its own.
std::optional<std::string_view> helpPageFor(std::uint32_t context);
// Where a viewer call leads: unknown contexts and unknown pages open the contents.
HelpDestination destinationOf(const HelpCall& call);
// The context of a page of the page control (F1 on that page).
int helpContextOf(PageId page);

}  // namespace strumly
