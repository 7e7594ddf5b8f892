#include "gui/playback/SpeechSounds.h"

#include "gui/common/NoteSpelling.h"
#include "gui/common/Resources.h"
#include "platform/audio/PcmPlayer.h"

namespace strumly::gui {
namespace {

std::optional<WavClip> loadClip(const QString& name) {
  const QByteArray bytes = wave(name);
  if (bytes.isEmpty()) return std::nullopt;
  return parseWav(
      {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
}

bool isBlackKey(int n) {
  return n == 1 || n == 3 || n == 6 || n == 8 || n == 10;
}

}  // namespace

SpeechSounds::SpeechSounds(SoundPlayer& player, const NoteSpelling& spelling)
    : player_(player), spelling_(spelling) {}

void SpeechSounds::load() {
  for (int n = 0; n < 12; ++n) {
    sharps_[static_cast<std::size_t>(n)] = loadClip(QString("Speak_%1").arg(n));
    flats_[static_cast<std::size_t>(n)] =
        isBlackKey(n) ? loadClip(QString("Speak_0%1").arg(n)) : sharps_[static_cast<std::size_t>(n)];
  }
}

bool SpeechSounds::hasClip(Spelling spelling, int pitchClass) const {
  return table(spelling)[pitchClassOf(pitchClass)].has_value();
}

void SpeechSounds::setVolume(int volume) {
  player_.setVolume(volume);
}

void SpeechSounds::speak(int pitchClass) {
  if (!enabled_) return;
  const auto& clip = table(spelling_.spelling())[pitchClassOf(pitchClass)];
  if (clip) player_.play(*clip);
}

}  // namespace strumly::gui
