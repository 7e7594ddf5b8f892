#include "core/chords/ChordMenuTable.h"

#include <array>
#include <vector>

namespace strumly {

namespace {

constexpr std::array<std::string_view, kScaleCount> kScales = {"Ionian (Major)",
                                                               "Dorian (Minor)",
                                                               "Phrygian",
                                                               "Lydian",
                                                               "Lydian Minor",
                                                               "Mixolydian",
                                                               "Aeolian (Natural Minor)",
                                                               "Locrian",
                                                               "Major Locrian",
                                                               "Major Pentatonic",
                                                               "Minor Pentatonic",
                                                               "Blues Pentatonic",
                                                               "Blues 2",
                                                               "Diminished",
                                                               "Half Diminished",
                                                               "Whole Tone",
                                                               "Half-Whole",
                                                               "Neopolitan Major",
                                                               "Neopolitan Minor",
                                                               "Hungarian Major",
                                                               "Hungarian Minor",
                                                               "Ascending Minor",
                                                               "Double Harmonic",
                                                               "Enigmatic",
                                                               "Spanish",
                                                               "Prometheus",
                                                               "Messiaen",
                                                               "Oriental",
                                                               "Kumoi",
                                                               "Hirajoshi",
                                                               "Pelog",
                                                               "13b9",
                                                               "Plain Mi7b5",
                                                               "Harmonic Minor (HM)",
                                                               "HM 2",
                                                               "HM 3",
                                                               "HM 4",
                                                               "HM 5",
                                                               "HM 6",
                                                               "HM 7",
                                                               "Jazz/Melodic Minor (JM)",
                                                               "JM 2",
                                                               "JM 3",
                                                               "JM 4 (Overtone)",
                                                               "JM 5",
                                                               "JM 6",
                                                               "JM 7 (Super Locrian)"};

ChordFamily familyOf(ChoiceMenu menu) {
  switch (menu) {
    case ChoiceMenu::Minor:
      return ChordFamily::Minor;
    case ChoiceMenu::Dominant:
      return ChordFamily::Dominant;
    default:
      return ChordFamily::Major;
  }
}

int entryCount(ChoiceMenu menu) {
  return menu == ChoiceMenu::Scale ? kScaleCount : familyInfo(familyOf(menu)).typeCount;
}

MenuChoice entry(ChoiceMenu menu, int number) {
  if (menu == ChoiceMenu::Scale) return {true, ChordFamily::Major, number};
  return {false, familyOf(menu), number};
}

}  // namespace

std::span<const std::string_view> scaleCaptions() {
  return kScales;
}

MenuSplit menuSplit(ChoiceMenu menu) {
  // The family menus keep the common types in view and move the rest into the submenu.
  int mainCount = 0;
  switch (menu) {
    case ChoiceMenu::Major:
      mainCount = 10;
      break;
    case ChoiceMenu::Minor:
      mainCount = 9;
      break;
    case ChoiceMenu::Dominant:
      mainCount = 13;
      break;
    case ChoiceMenu::Scale:
      mainCount = 23;
      break;
  }
  return {mainCount, entryCount(menu) - mainCount};
}

std::vector<std::string_view> menuEntryCaptions(ChoiceMenu menu) {
  std::vector<std::string_view> captions;
  captions.reserve(static_cast<std::size_t>(entryCount(menu)));
  for (int n = 0; n < entryCount(menu); ++n) captions.push_back(choiceCaption(entry(menu, n)));
  return captions;
}

std::optional<MenuChoice> choiceForMenuItem(ChoiceMenu menu, int position) {
  MenuSplit split = menuSplit(menu);
  if (position < 1 || position > split.mainCount) return std::nullopt;
  return entry(menu, position - 1);
}

std::optional<MenuChoice> choiceForMoreItem(ChoiceMenu menu, int position) {
  MenuSplit split = menuSplit(menu);
  if (position < 0 || position >= split.moreCount) return std::nullopt;
  return entry(menu, position + split.mainCount);
}

std::string_view choiceCaption(const MenuChoice& choice) {
  if (choice.scale) {
    if (choice.number < 0 || choice.number >= kScaleCount) return {};
    return kScales[static_cast<std::size_t>(choice.number)];
  }
  if (choice.number < 0 || choice.number >= familyInfo(choice.family).typeCount) return {};
  return chordTypeDefinitions()[static_cast<std::size_t>(dictionaryIndex(choice.family, choice.number))]
      .menuCaption;
}

}  // namespace strumly
