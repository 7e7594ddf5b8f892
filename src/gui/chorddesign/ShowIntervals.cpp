#include "gui/chorddesign/ShowIntervals.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSignalBlocker>
#include <QToolButton>

#include "core/app/AppSettings.h"
#include "core/chords/ChordDictionary.h"
#include "core/chords/ChordName.h"
#include "core/chords/ChordTypeList.h"
#include "core/chords/ChordTypes.h"
#include "gui/chorddesign/ChordDesignPage.h"
#include "gui/chorddesign/FretControls.h"
#include "gui/common/CoreText.h"
#include "gui/common/DiagramPageBase.h"
#include "gui/common/DialogService.h"
#include "gui/common/PageList.h"
#include "gui/playback/Transport.h"
#include "gui/views/Fretboard.h"

namespace strumly::gui {

ShowIntervals::ShowIntervals(ChordDesignPage& page, Fretboard& fretboard, QAbstractButton* showArpeggio,
                             DialogService& dialogs, QWidget* dialogParent, const Transport& transport,
                             const PageList& pages, std::filesystem::path dataFolder,
                             const AppSettings& settings, QWidget* focusHome, QObject* parent)
    : QObject(parent),
      page_(page),
      fretboard_(fretboard),
      showArpeggio_(showArpeggio),
      dialogs_(dialogs),
      dialogParent_(dialogParent),
      transport_(transport),
      pages_(pages),
      dataFolder_(std::move(dataFolder)),
      settings_(settings),
      focusHome_(focusHome) {
  connect(page_.displayIntervalsButton(), &QAbstractButton::clicked, this,
          &ShowIntervals::sbDisplayIntervalsClick);
  connect(page_.chordTypeBox(), &QComboBox::activated, this, &ShowIntervals::ComboBox1Click);
}

bool ShowIntervals::displayDown() const {
  return page_.displayIntervalsButton()->isChecked();
}

void ShowIntervals::sbDisplayIntervalsClick() {
  QAbstractButton* button = page_.displayIntervalsButton();
  if (DiagramPageBase::refusedNow(transport_)) {
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
  if (!DiagramPageBase::refusedNow(transport_)) {
    if (displayDown())
      sbDisplayIntervalsClick();
    else
      fretboard_.RedrawFretboard(page_.designChord());
  }
  if (focusHome_) focusHome_->setFocus();
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
      type = ReadChordType(dataFolder_, index);
      return Loaded::Type;
    } catch (const DictionaryError& error) {
      dialogs_.notice(dialogParent_, coreText(error.what()));
      return Loaded::Failed;
    }
  }
  const std::size_t user = static_cast<std::size_t>(index - kFirstUserChordIndex);
  if (user >= settings_.userChords.size()) return Loaded::NoType;
  const UserChordType& chord = settings_.userChords[user];
  type = userChordType(chord.name, chord.formula, chord.intervals);
  return Loaded::Type;
}

void ShowIntervals::editIntervals0Click(int tag) {
  if (!chordDesignActive()) return;
  if (displayDown() || DiagramPageBase::refusedNow(transport_)) return;
  // The switch redraws the design through the page's designChanged.
  page_.switchCompound(tag);
}

void ShowIntervals::editChordNameUserKeyUp(const QString& text) {
  if (!chordDesignActive()) return;
  if (const std::optional<std::string> name = reduceTypedChordName(text.toLatin1().toStdString()))
    page_.designChord().name = *name;
}

bool ShowIntervals::chordDesignActive() const {
  return pages_.isActive(PageId::ChordDesign);
}

}  // namespace strumly::gui
