#pragma once
// The chord and scale menus of the main window as data: which captions each menu and its
// "More Chords..." / "More Scales..." submenu hold, and what an item chooses. The submenu is item
// 0 of its menu, so the first chord of a family menu has position 1.
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/chords/ChordTypes.h"
#include "core/theory/Pitch.h"

namespace strumly {

constexpr int kScaleCount = 47;

enum class ChoiceMenu { Major, Minor, Dominant, Scale };

// What "Show Chords" adds next: a chord type of a family, or a scale (the family number is 0 then).
struct MenuChoice {
  bool scale = false;
  ChordFamily family = ChordFamily::Major;  // meaningful for chords only
  int number = 0;                           // chord type within the family, or scale number
  int familyNumber() const { return scale ? 0 : static_cast<int>(family); }
  bool operator==(const MenuChoice&) const = default;
};

// The 47 scale captions in scale-number order.
std::span<const std::string_view> scaleCaptions();

// How one menu is split: items 1..mainCount of the menu hold entries 0..mainCount-1, the submenu
// holds the rest from its item 0.
struct MenuSplit {
  int mainCount = 0;
  int moreCount = 0;
};
MenuSplit menuSplit(ChoiceMenu menu);

// Captions of the entries of a menu in order (chord types of the family, or scales).
std::vector<std::string_view> menuEntryCaptions(ChoiceMenu menu);

// The choice an item stands for. `position` is the item's index within its own menu (the family
// menu, where 0 is the submenu itself, or the submenu); nothing for positions without an entry.
std::optional<MenuChoice> choiceForMenuItem(ChoiceMenu menu, int position);
std::optional<MenuChoice> choiceForMoreItem(ChoiceMenu menu, int position);

// The caption the user sees in the chord-name read-out for a choice.
std::string_view choiceCaption(const MenuChoice& choice);

// The "&Key" menu: twelve items in pitch-class order, captioned with the current spelling.
inline std::string_view keyCaption(PitchClass key, const NoteNames& names) {
  return names.name(key);
}

}  // namespace strumly
