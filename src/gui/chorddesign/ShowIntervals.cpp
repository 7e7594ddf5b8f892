#include "gui/chorddesign/ShowIntervals.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSignalBlocker>
#include <QToolButton>

#include "core/chords/ChordDictionary.h"
#include "core/chords/ChordName.h"
#include "core/chords/ChordTypeList.h"
#include "core/chords/ChordTypes.h"
#include "gui/chorddesign/ChordDesignPage.h"
#include "gui/chorddesign/FretControls.h"
#include "gui/common/DialogService.h"
#include "gui/views/Fretboard.h"
#include "platform/settings/IniFile.h"

namespace strumly::gui {

ShowIntervals::ShowIntervals(ChordDesignPage& page, Fretboard& fretboard, QAbstractButton* showArpeggio,
                             DialogService& dialogs, QWidget* dialogParent, Hooks hooks, QObject* parent)
    : QObject(parent),
      page_(page),
      fretboard_(fretboard),
      showArpeggio_(showArpeggio),
      dialogs_(dialogs),
      dialogParent_(dialogParent),
      hooks_(std::move(hooks)) {
  connect(page_.displayIntervalsButton(), &QAbstractButton::clicked, this,
          &ShowIntervals::sbDisplayIntervalsClick);
  connect(page_.chordTypeBox(), &QComboBox::activated, this, &ShowIntervals::ComboBox1Click);
}

bool ShowIntervals::displayDown() const {
  return page_.displayIntervalsButton()->isChecked();
}

void ShowIntervals::sbDisplayIntervalsClick() {
  QAbstractButton* button = page_.displayIntervalsButton();
  if (busy()) {
    const QSignalBlocker block(button);
    button->setChecked(!button->isChecked());
    return;
  }
  if (!displayDown()) {
    fretboard_.RedrawFretboard(page_.designChord());
    return;
  }
  ChordTypeRecord type;
  switch (loadSelectedType(type)) {
    case Loaded::Failed:
      return;  // told already; what is on show stays
    case Loaded::NoType:
      displayChord_.reset();
      break;
    case Loaded::Type: {
      ChordDiagram chord;
      chord.empty = 0;
      chord.name = type.name;
      chord.formula = type.formula;
      chord.intervals = type.intervals;
      displayChord_ = chord;
      break;
    }
  }
  showDisplay();
}

void ShowIntervals::ComboBox1Click() {
  // Choosing a type while playing leaves the button alone: only its own click puts it back.
  if (!busy()) {
    if (displayDown())
      sbDisplayIntervalsClick();
    else
      fretboard_.RedrawFretboard(page_.designChord());
  }
  if (hooks_.returnFocus) hooks_.returnFocus();
}

void ShowIntervals::redrawDesign() {
  if (displayDown())
    showDisplay();
  else
    fretboard_.RedrawFretboard(page_.designChord());
}

void ShowIntervals::showDisplay() {
  // The design is drawn plain under the display: its own arpeggio would hide the slot colours.
  if (showArpeggio_ && showArpeggio_->isChecked()) {
    const QSignalBlocker block(showArpeggio_);
    showArpeggio_->setChecked(false);
    fretboard_.RedrawFretboard(page_.designChord());
    showArpeggio_->setChecked(true);
  } else {
    fretboard_.RedrawFretboard(page_.designChord());
  }
  if (!displayChord_) return;
  displayChord_->root = static_cast<PitchClass>(page_.fretControls()->root());
  fretboard_.ShowNotesAcrossNeck(*displayChord_, Qt::blue);
}

ShowIntervals::Loaded ShowIntervals::loadSelectedType(ChordTypeRecord& type) {
  const int index = page_.chordTypeBox()->currentIndex();
  if (index < 0) return Loaded::NoType;
  if (index < kChordTypeCount) {
    try {
      type = ReadChordType(hooks_.dataFolder ? hooks_.dataFolder() : std::filesystem::path(), index);
      return Loaded::Type;
    } catch (const DictionaryError& error) {
      dialogs_.notice(dialogParent_, QString::fromStdString(error.what()));
      return Loaded::Failed;
    }
  }
  const IniFile settings(hooks_.settingsFile ? hooks_.settingsFile() : std::string());
  if (settings.readInteger("UserChords", "Number", 0) <= 0) return Loaded::NoType;
  const std::string section = userChordSection(index);
  std::array<int, 7> intervals{};
  for (std::size_t i = 0; i < intervals.size(); ++i)
    intervals[i] = settings.readInteger(section, "I" + std::to_string(i), 255);
  type = userChordType(settings.readString(section, "Name", "NONAME"),
                       settings.readString(section, "Formula", ""), intervals);
  return Loaded::Type;
}

void ShowIntervals::editIntervals0Click(int tag) {
  if (!hooks_.chordDesignActive || !hooks_.chordDesignActive()) return;
  if (displayDown() || busy()) return;
  // The switch redraws the design through the page's designChanged.
  page_.switchCompound(tag);
}

void ShowIntervals::editChordNameUserKeyUp(const QString& text) {
  if (!hooks_.chordDesignActive || !hooks_.chordDesignActive()) return;
  if (const std::optional<std::string> name = reduceTypedChordName(text.toLatin1().toStdString()))
    page_.designChord().name = *name;
}

}  // namespace strumly::gui
