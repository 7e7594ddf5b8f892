#include "core/chords/ChordName.h"

#include <cctype>

namespace strumly {

namespace {

bool isNoteLetter(char c) {
  return c >= 'A' && c <= 'G';
}

std::string_view trimLeft(std::string_view text) {
  std::size_t first = 0;
  while (first < text.size() && text[first] == ' ') ++first;
  return text.substr(first);
}

}  // namespace

std::string_view trimRight(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  return text.substr(0, end);
}

std::string chordNameText(const ChordDiagram& chord, const NoteNames& names) {
  std::string text(names.name(chord.root));
  text += ' ';
  text += chord.name.view();
  PitchClass bass = pitchClassOf(chord.bass);
  if (bass != pitchClassOf(chord.root)) {
    text += " /";
    text += names.name(bass);
  }
  return text;
}

std::string chordNotesText(std::span<const std::uint8_t> intervals, PitchClass root, const NoteNames& names) {
  std::string text;
  for (std::uint8_t interval : intervals) {
    if (interval == kUnusedInterval) continue;
    text += ' ';
    text += names.name(interval + root);
  }
  return text;
}

std::optional<std::string> reduceTypedChordName(std::string_view text) {
  std::string_view rest = trimLeft(text);
  if (rest.empty()) return std::nullopt;
  if (isNoteLetter(rest.front())) {
    rest.remove_prefix(1);
    if (!rest.empty() && (rest.front() == 'b' || rest.front() == '#')) rest.remove_prefix(1);
    rest = trimLeft(rest);
  }
  std::size_t slash = rest.find('/');
  if (slash != std::string_view::npos) {
    bool slashBass = slash + 1 == rest.size() || rest[slash + 1] == ' ' || isNoteLetter(rest[slash + 1]);
    if (slashBass) rest = trimLeft(rest.substr(0, slash));
  }
  return std::string(rest.substr(0, 15));
}

std::string normaliseChordRoot(std::string_view text) {
  if (text.empty()) return {};
  char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  if (!isNoteLetter(letter)) return {};
  std::string result(1, letter);
  if (text.size() >= 2) {
    char accidental = text[1];
    if (accidental == '#' || accidental == '+' || accidental == '3') {
      result += '#';
    } else if (accidental == '-' || accidental == 'B' || accidental == 'b') {
      result += 'b';
    }
  }
  return result;
}

std::string chordSetHeading(std::string_view rootText, std::string_view nameText,
                            std::span<const std::uint8_t> intervals, PitchClass key, std::string_view formula,
                            const NoteNames& names) {
  std::string text(rootText);
  text += ' ';
  text += nameText;
  text += "   [ ";
  text += chordNotesText(intervals, key, names);
  text += " ] ";
  text += "   [ ";
  text += trimRight(formula);
  text += " ]";
  return text;
}

}  // namespace strumly
