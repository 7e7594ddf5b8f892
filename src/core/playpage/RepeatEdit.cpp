#include "core/playpage/RepeatEdit.h"

#include <algorithm>
#include <cctype>

namespace strumly {
namespace {

std::size_t at(int measure) {
  return static_cast<std::size_t>(std::clamp(measure, 0, kMarkerMeasures - 1));
}

}  // namespace

RepeatChoice repeatChoiceAt(const RepeatMarkers& markers, int measure) {
  const std::size_t m = at(measure);
  RepeatChoice choice;
  choice.returnHere = markers.startRepeat[m] != 0;
  choice.repeatHere = markers.repeatCount[m] != 0;
  if (choice.repeatHere) choice.countText = std::to_string(markers.repeatCount[m]);
  choice.loopHere = markers.loopFlag[m] == 1;
  return choice;
}

int repeatCountFromText(std::string_view text) {
  // The edit takes at most three digits, so the value never overflows; blanks from the mask are
  // skipped, a sign is honoured so that "-5" counts as at most 0.
  bool negative = false;
  bool anyDigit = false;
  int value = 0;
  for (char ch : text) {
    if (std::isdigit(static_cast<unsigned char>(ch))) {
      anyDigit = true;
      value = std::min(value * 10 + (ch - '0'), 100000);
    } else if (ch == '-' && !anyDigit) {
      negative = true;
    }
  }
  if (!anyDigit || negative || value <= 0) return 1;
  return std::min(value, 255);
}

void applyRepeatChoice(RepeatMarkers& markers, int measure, TimeSignature signature,
                       const RepeatChoice& choice, bool loopWasHere) {
  const std::size_t m = at(measure);
  markers.startRepeat[m] = (choice.returnHere || m == 0) ? 1 : 0;
  const auto count = static_cast<std::uint8_t>(choice.repeatHere ? repeatCountFromText(choice.countText) : 0);
  markers.repeatCount[m] = count;
  markers.repeatsLeft[m] = count;
  if (choice.loopHere) {
    markers.loopFlag.fill(0);
    markers.loopFlag[m] = 1;
  } else if (loopWasHere) {
    markers.loopFlag.fill(0);
    markers.loopFlag[static_cast<std::size_t>(measureCount(signature) - 1)] = 1;
  }
}

}  // namespace strumly
