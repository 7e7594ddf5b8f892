#pragma once
// The spoken note names: two tables of twelve clips by pitch class, the sharp-named set
// ("Speak_0".."Speak_11") and the flat-named set (the same, except "Speak_01", "Speak_03",
// "Speak_06", "Speak_08", "Speak_010" for the five black keys). The table spoken follows the
// current spelling. A missing clip leaves its entry empty and that note silent.
#include <array>
#include <optional>

#include "core/theory/Pitch.h"
#include "platform/audio/WavClip.h"

namespace strumly {
class SoundPlayer;
}

namespace strumly::gui {

class NoteSpelling;

class SpeechSounds {
 public:
  SpeechSounds(SoundPlayer& player, const NoteSpelling& spelling);

  // Loads both tables from the compiled-in wave resources.
  void load();
  bool hasClip(Spelling spelling, int pitchClass) const;

  void setEnabled(bool on) { enabled_ = on; }
  bool isEnabled() const { return enabled_; }
  // 0..255, applied to our own samples.
  void setVolume(int volume);
  // Speaks the note in the current spelling, when speech is on; a new note cuts the last one off.
  void speak(int pitchClass);

 private:
  using Table = std::array<std::optional<WavClip>, 12>;
  const Table& table(Spelling spelling) const { return spelling == Spelling::Sharps ? sharps_ : flats_; }

  SoundPlayer& player_;
  const NoteSpelling& spelling_;
  Table sharps_;
  Table flats_;
  bool enabled_ = false;
};

}  // namespace strumly::gui
