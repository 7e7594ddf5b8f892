#include "gui/common/CoreText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cstring>
#include <vector>

namespace strumly::gui {

namespace {

// The messages of src/core and src/platform the interface shows, as they are written there.
constexpr const char* kCoreTexts[] = {
    // Reading and writing files
    QT_TRANSLATE_NOOP("CoreText", "Cannot open %1: %2."),
    QT_TRANSLATE_NOOP("CoreText", "Cannot read %1: %2."),
    QT_TRANSLATE_NOOP("CoreText", "Cannot read %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Could not write %1: %2."),
    QT_TRANSLATE_NOOP("CoreText", "Unable to write %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Unable to write to %1"),
    QT_TRANSLATE_NOOP("CoreText", "No file name was given to write to."),
    // Play page files
    QT_TRANSLATE_NOOP("CoreText", "This is not a Strumly PlayPage file"),
    QT_TRANSLATE_NOOP("CoreText", "The file %1 is damaged: %2"),
    QT_TRANSLATE_NOOP("CoreText", "%1 bytes instead of %2"),
    QT_TRANSLATE_NOOP("CoreText", "more than %1"),
    QT_TRANSLATE_NOOP("CoreText", "its tempo is %1"),
    QT_TRANSLATE_NOOP("CoreText", "its strum speed is not a number"),
    QT_TRANSLATE_NOOP("CoreText", "a PlayPage file cannot end in .rpt"),
    // The play page's questions
    QT_TRANSLATE_NOOP("CoreText", "Do you want to replace this diagram?"),
    QT_TRANSLATE_NOOP("CoreText", "Do you want to replace this measure?"),
    QT_TRANSLATE_NOOP("CoreText", "Do you want to delete this diagram?"),
    QT_TRANSLATE_NOOP("CoreText", "Do you want to delete this measure?"),
    // Tab files
    QT_TRANSLATE_NOOP("CoreText", "This is not a Strumly 6.50 Tab file"),
    QT_TRANSLATE_NOOP("CoreText", "Line %1 of the tab file, \"%2\", is not a whole number."),
    QT_TRANSLATE_NOOP("CoreText", "Line 2 of the tab file, \"%1\", is not a tempo."),
    QT_TRANSLATE_NOOP("CoreText", "%1 is too large for a tab."),
    QT_TRANSLATE_NOOP("CoreText", "%1 is not a text file."),
    // Page files
    QT_TRANSLATE_NOOP("CoreText", "This is not a Chord Page file"),
    QT_TRANSLATE_NOOP("CoreText", "This is not a Print Page file"),
    QT_TRANSLATE_NOOP("CoreText", "This is not a Chord Design file"),
    QT_TRANSLATE_NOOP("CoreText", "This is not a Scale Page file"),
    QT_TRANSLATE_NOOP("CoreText", "This %1 file is damaged: it is shorter than a whole page."),
    QT_TRANSLATE_NOOP("CoreText", "Chord Page"),
    QT_TRANSLATE_NOOP("CoreText", "Print Page"),
    QT_TRANSLATE_NOOP("CoreText", "Chord Design"),
    QT_TRANSLATE_NOOP("CoreText", "Scale Page"),
    // The chord and scale dictionaries
    QT_TRANSLATE_NOOP("CoreText", "Could Not Find Chord Data Files."),
    QT_TRANSLATE_NOOP("CoreText", "Could Not Find Scale Data File."),
    QT_TRANSLATE_NOOP("CoreText", "I/O error: cannot open %1."),
    QT_TRANSLATE_NOOP("CoreText", "I/O error: %1 is too short (read past end of file)."),
    QT_TRANSLATE_NOOP("CoreText", "I/O error: %1 is unreadable or too short (read past end of file)."),
    QT_TRANSLATE_NOOP("CoreText", "Scale number out of range."),
    QT_TRANSLATE_NOOP("CoreText", "Chord type index out of range."),
    QT_TRANSLATE_NOOP("CoreText", "Chord type or key out of range."),
    // Settings
    QT_TRANSLATE_NOOP("CoreText",
                      "Kv.ini already counts %1 user chord types; at most %2 can be read. Delete one first."),
    // Sound in and out
    QT_TRANSLATE_NOOP("CoreText", "No audio input: %1."),
    QT_TRANSLATE_NOOP("CoreText", "%1; %2"),
    QT_TRANSLATE_NOOP("CoreText", "no audio input is built in"),
    QT_TRANSLATE_NOOP("CoreText", "the input \"%1\" is unknown"),
    QT_TRANSLATE_NOOP("CoreText", "the input could not be opened"),
    QT_TRANSLATE_NOOP("CoreText", "the audio input stopped delivering sound"),
    QT_TRANSLATE_NOOP("CoreText", "no sound server answers (%1)"),
    QT_TRANSLATE_NOOP("CoreText", "the sound server's input \"%1\" cannot be opened (%2)"),
    QT_TRANSLATE_NOOP("CoreText", "ALSA has no capture device (%1)"),
    QT_TRANSLATE_NOOP("CoreText", "the ALSA input \"%1\" cannot be opened (%2)"),
    QT_TRANSLATE_NOOP("CoreText", "System default (%1)"),
    QT_TRANSLATE_NOOP("CoreText", "System default"),
    QT_TRANSLATE_NOOP("CoreText",
                      "No General MIDI soundfont was found, so the built-in synth is silent. Install the "
                      "package fluid-soundfont-gm or name a soundfont in STRUMLY_SOUNDFONT."),
    QT_TRANSLATE_NOOP("CoreText", "No sound output is available, so the built-in synth plays silently."),
    // Exports
    QT_TRANSLATE_NOOP("CoreText", "cannot load the sound font %1"),
    QT_TRANSLATE_NOOP("CoreText", "no General MIDI sound font was found to render the song with"),
    QT_TRANSLATE_NOOP(
        "CoreText", "the song plays for more than 30 minutes with its repeats, longer than an export can be"),
    QT_TRANSLATE_NOOP("CoreText", "the tempo does not fit a MIDI file"),
    QT_TRANSLATE_NOOP("CoreText", "no such time signature"),
    QT_TRANSLATE_NOOP("CoreText", "a track name too long for a MIDI file"),
    QT_TRANSLATE_NOOP("CoreText", "a pause too long for a MIDI file"),
    // Listening
    QT_TRANSLATE_NOOP("CoreText", "Right"),
    QT_TRANSLATE_NOOP("CoreText", "Missing %1"),
    QT_TRANSLATE_NOOP("CoreText", "Extra %1"),
    QT_TRANSLATE_NOOP("CoreText", "Missing %1, extra %2"),
    QT_TRANSLATE_NOOP("CoreText", "Heard: %1"),
    QT_TRANSLATE_NOOP("CoreText", "%1 of %2 notes played, %3 wrong"),
    // The foot switch's actions
    QT_TRANSLATE_NOOP("CoreText", "Play"),
    QT_TRANSLATE_NOOP("CoreText", "Next Diagram"),
    QT_TRANSLATE_NOOP("CoreText", "Show Root"),
    QT_TRANSLATE_NOOP("CoreText", "Show LEDs"),
    QT_TRANSLATE_NOOP("CoreText", "Next Page"),
};

struct Entry {
  const char* english;
  QRegularExpression match;
  qsizetype fixedLength;  // the characters that are not a part: the more, the more specific
};

qsizetype fixedLengthOf(const QString& pattern) {
  static const QRegularExpression part("%[1-9]");
  return QString(pattern).remove(part).size();
}

// Each %n becomes a group; all but the last part take as little as they can, so "Cannot open
// a: b: c." names the file "a".
QRegularExpression matcherOf(const QString& pattern) {
  static const QRegularExpression part("%[1-9]");
  QString regex;
  qsizetype from = 0;
  for (auto it = part.globalMatch(pattern); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    regex += QRegularExpression::escape(pattern.mid(from, m.capturedStart() - from));
    regex += it.hasNext() ? "(.+?)" : "(.+)";
    from = m.capturedEnd();
  }
  regex += QRegularExpression::escape(pattern.mid(from));
  return QRegularExpression(QRegularExpression::anchoredPattern(regex),
                            QRegularExpression::DotMatchesEverythingOption);
}

const std::vector<Entry>& entries() {
  static const std::vector<Entry> table = [] {
    std::vector<Entry> list;
    for (const char* english : kCoreTexts) {
      const QString pattern = QString::fromUtf8(english);
      list.push_back({english, matcherOf(pattern), fixedLengthOf(pattern)});
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const Entry& a, const Entry& b) { return a.fixedLength > b.fixedLength; });
    return list;
  }();
  return table;
}

// Fills %1..%9 in one pass, so a part that itself holds "%2" stays as it is.
QString filled(const QString& pattern, const QStringList& parts) {
  QString out;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const int n = i + 1 < pattern.size() ? pattern[i + 1].digitValue() : -1;
    if (pattern[i] == '%' && n >= 1 && n <= parts.size()) {
      out += parts[n - 1];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

// A part is translated only where it is a message of several words, so a file named "Play"
// keeps its name.
QString translated(const QString& english, bool wholeText) {
  if (english.isEmpty()) return english;
  // Two messages joined by "; " are split before any single message is tried: a message that
  // ends in a part ("no sound server answers (%1)") would otherwise swallow the second one.
  for (qsizetype at = english.indexOf("; "); at > 0; at = english.indexOf("; ", at + 1)) {
    const QString first = english.left(at), second = english.mid(at + 2);
    const QString a = translated(first, true), b = translated(second, true);
    if (a != first && b != second) return filled(QCoreApplication::translate("CoreText", "%1; %2"), {a, b});
  }
  for (const Entry& entry : entries()) {
    if (!wholeText && !std::strchr(entry.english, ' ')) continue;
    const QRegularExpressionMatch m = entry.match.match(english);
    if (!m.hasMatch()) continue;
    QStringList parts;
    for (int g = 1; g <= m.lastCapturedIndex(); ++g) parts << translated(m.captured(g), false);
    return filled(QCoreApplication::translate("CoreText", entry.english), parts);
  }
  return english;
}

}  // namespace

QString coreText(const QString& english) {
  return translated(english, true);
}

QString coreText(const std::string& english) {
  return coreText(QString::fromStdString(english));
}

QString coreText(const char* english) {
  return coreText(QString::fromUtf8(english));
}

}  // namespace strumly::gui
