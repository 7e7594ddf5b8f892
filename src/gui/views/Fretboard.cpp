#include "gui/views/Fretboard.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "core/theory/Intervals.h"
#include "gui/views/FretboardView.h"
#include "gui/views/KeyboardView.h"

namespace strumly::gui {
namespace {

// Interval slots 0..6 in the colours of the standard 16-colour palette.
const std::array<QColor, 7> kSlotColours{QColor(255, 0, 0),     QColor(0, 255, 255), QColor(0, 255, 0),
                                         QColor(255, 255, 255), QColor(255, 255, 0), QColor(0, 128, 128),
                                         QColor(128, 0, 0)};
const QColor kRootOutline(255, 0, 0);
const QColor kOutline(0, 255, 0);

void setTextColour(QWidget* widget, const QColor& colour) {
  if (!widget) return;
  QPalette palette = widget->palette();
  if (palette.color(QPalette::Text) == colour && palette.color(QPalette::WindowText) == colour) return;
  palette.setColor(QPalette::Text, colour);
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

void setIntervalLabel(QLabel* label, const QString& caption, int tag, const QColor& text,
                      const QColor& back) {
  if (!label) return;
  if (label->text() != caption) label->setText(caption);
  label->setProperty("tag", tag);
  // The label paints its own background colour; a style polish may have switched that off.
  if (!label->autoFillBackground()) label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  if (palette.color(QPalette::WindowText) != text || palette.color(QPalette::Window) != back) {
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, back);
    label->setPalette(palette);
  }
}

void setText(QLineEdit* edit, const QString& text) {
  if (edit && edit->text() != text) edit->setText(text);
}
void setText(QLabel* label, const QString& text) {
  if (label && label->text() != text) label->setText(text);
}

}  // namespace

Fretboard::Fretboard(const FretboardWidgets& widgets, FretboardHost& host, QObject* parent)
    : QObject(parent), widgets_(widgets), host_(host) {
  if (widgets_.neck) {
    connect(widgets_.neck, &FretboardView::mouseMoved, this, &Fretboard::imgGuitarMouseMove);
    connect(widgets_.neck, &FretboardView::mousePressed, this, &Fretboard::imgGuitarMouseDown);
  }
  if (widgets_.keyboard)
    connect(widgets_.keyboard, &KeyboardView::keyHovered, this, &Fretboard::imgKeyboardMouseMove);
}

void Fretboard::bindButtons(const FretboardButtons& buttons) {
  buttons_ = buttons;
  if (buttons_.bassNote)
    connect(buttons_.bassNote, &QAbstractButton::clicked, this, &Fretboard::sbtnBassNoteClick);
  if (buttons_.leftHanded)
    connect(buttons_.leftHanded, &QAbstractButton::clicked, this, &Fretboard::sbtnLeftHandedClick);
  if (buttons_.flip) connect(buttons_.flip, &QAbstractButton::clicked, this, &Fretboard::sbtnFlipClick);
  if (buttons_.showArpeggio)
    connect(buttons_.showArpeggio, &QAbstractButton::clicked, this, &Fretboard::sbShowArpClick);
}

void Fretboard::RedrawFretboard(const ChordDiagram& chord) {
  if (widgets_.neck) widgets_.neck->restoreClean();
  leds_.clear();
  if (chord.isEmpty()) {
    ClearFretboard();
    return;
  }
  const ChordPicture picture = drawChord(chord, hand_, host_.noteNames());
  showReadout(picture.readout, Qt::black, false);
  setText(widgets_.nameCaption, tr("Chord Name:"));
  Q_EMIT tuningShown(picture.tuning, QString::fromLatin1(picture.readout.tuningName));
  if (widgets_.neck)
    for (const MarkerPlacement& m : picture.markers) widgets_.neck->drawMarker(m.cellX, m.x, m.y);

  leds_ = picture.leds;
  lastRoot_ = picture.root;
  Q_EMIT ledsChanged(leds_);
  chordShown_ = true;

  if (buttons_.showArpeggio && buttons_.showArpeggio->isChecked()) ShowNotesAcrossNeck(chord, Qt::black);
  if (widgets_.keyboard) widgets_.keyboard->showScale(picture.keyboardIntervals, picture.root);
  if (QLabel* rootLabel = widgets_.intervals[0]) {
    const QColor colour = picture.readout.rootShown
                              ? QColor(Qt::black)
                              : rootLabel->palette().color(QPalette::Inactive, QPalette::PlaceholderText);
    QPalette palette = rootLabel->palette();
    if (palette.color(QPalette::WindowText) != colour) {
      palette.setColor(QPalette::WindowText, colour);
      rootLabel->setPalette(palette);
    }
  }
  if (host_.chordDesignActive()) Q_EMIT staffNotesChanged(picture.notes);
}

void Fretboard::ShowNotesAcrossNeck(const ChordDiagram& chord, const QColor& textColour) {
  const bool wholeNeck = (buttons_.fullScale && buttons_.fullScale->isChecked()) || host_.chordDesignActive();
  const bool slotColours = host_.chordDesignActive() && host_.displayIntervalsDown();
  const NotesAcrossNeckPicture picture =
      drawNotesAcrossNeck(chord, hand_, host_.noteNames(), host_.currentTuning(), wholeNeck);
  showReadout(picture.readout, textColour, slotColours);
  if (widgets_.neck) {
    for (const NeckOutline& o : picture.outlines) {
      const QColor colour = o.root        ? kRootOutline
                            : slotColours ? kSlotColours[static_cast<std::size_t>(o.slot)]
                                          : kOutline;
      widgets_.neck->drawOutline(o.x, o.y, colour);
    }
  }
  leds_ = picture.leds;
  Q_EMIT ledsChanged(leds_);
}

void Fretboard::ClearFretboard() {
  if (widgets_.neck) widgets_.neck->restoreClean();
  if (widgets_.keyboard) widgets_.keyboard->clear();
  leds_.clear();
  chordShown_ = false;
  Q_EMIT ledsCleared();
  setText(widgets_.chordName, QString());
  Q_EMIT tuningNameCleared();
  setText(widgets_.notes, QString());
  for (QLabel* label : widgets_.intervals) setIntervalLabel(label, QString(), 0, Qt::black, Qt::white);
  setText(widgets_.noteReadout, QString());
  setText(widgets_.intervalReadout, QString());
}

void Fretboard::showReadout(const ChordReadout& readout, const QColor& textColour, bool slotColours) {
  setTextColour(widgets_.chordName, textColour);
  setTextColour(widgets_.notes, textColour);
  setText(widgets_.chordName, QString::fromLatin1(readout.chordName));
  setText(widgets_.notes, QString::fromLatin1(readout.notes));
  for (std::size_t slot = 0; slot < 7; ++slot) {
    const QString caption = QString::fromLatin1(readout.intervalCaptions[slot]);
    const QColor back = slotColours && !caption.isEmpty() ? kSlotColours[slot] : QColor(Qt::white);
    setIntervalLabel(widgets_.intervals[slot], caption, readout.intervalTags[slot], textColour, back);
  }
  setIntervalLabel(widgets_.intervals[7], QString(), 0, textColour, Qt::white);
}

void Fretboard::imgGuitarMouseMove(int x, int y) {
  hover_ = neckPositionAt(hand_, x, y, hoverFret_);
  if (!hover_) {
    setText(widgets_.noteReadout, QString());
    setText(widgets_.intervalReadout, QString());
    return;
  }
  hoverFret_ = hover_->fret;
  const Tuning tuning = host_.currentTuning();
  showPointerNote(pitchClassOf(tuning.pitches[static_cast<std::size_t>(hover_->string)] + hover_->fret));
}

void Fretboard::imgKeyboardMouseMove(int key) {
  if (key >= 0) showPointerNote(pitchClassOf(key));
}

void Fretboard::showPointerNote(PitchClass pitchClass) {
  setText(widgets_.noteReadout, QString::fromLatin1(host_.noteNames().name(pitchClass)));
  const int interval = (pitchClass - lastRoot_ + 12) % 12;
  setText(widgets_.intervalReadout, QString::fromStdString(intervalWithCompound(interval)));
}

void Fretboard::imgGuitarMouseDown(Qt::MouseButton button, int x, int y) {
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  if (!host_.chordDesignActive() || host_.playButtonDown()) return;
  imgGuitarMouseMove(x, y);
  if (!hover_) return;
  Q_EMIT neckPressed(hover_->string, hover_->fret, button);
  // A right press makes the pressed note the root, so it is now the root's own interval.
  if (button == Qt::RightButton) setText(widgets_.intervalReadout, QString::fromLatin1(intervalName(0)));
}

bool Fretboard::undoIfBusy(QAbstractButton* button) {
  if (!host_.isPlayingOrBusy()) return false;
  if (button) {
    const QSignalBlocker block(button);
    button->setChecked(!button->isChecked());
  }
  return true;
}

void Fretboard::setLeftHanded(bool leftHanded) {
  hand_ = leftHanded ? Hand::Left : Hand::Right;
  if (widgets_.neck) widgets_.neck->setHand(hand_);
  if (buttons_.leftHanded && buttons_.leftHanded->isChecked() != leftHanded) {
    const QSignalBlocker block(buttons_.leftHanded);
    buttons_.leftHanded->setChecked(leftHanded);
  }
}

void Fretboard::sbtnLeftHandedClick() {
  QAbstractButton* button = buttons_.leftHanded;
  if (undoIfBusy(button)) return;
  if (host_.playButtonDown()) {
    if (button) {
      const QSignalBlocker block(button);
      button->setChecked(leftHanded());
    }
    return;
  }
  setLeftHanded(button ? button->isChecked() : !leftHanded());
  ClearFretboard();
  Q_EMIT handednessChanged(leftHanded());
}

void Fretboard::flip() {
  flipped_ = !flipped_;
  if (buttons_.flip) {
    const QSignalBlocker block(buttons_.flip);
    buttons_.flip->setChecked(flipped_);
  }
  Q_EMIT flipChanged(flipped_);
}

void Fretboard::sbtnFlipClick() {
  if (host_.isPlayingOrBusy()) {
    if (buttons_.flip) {
      const QSignalBlocker block(buttons_.flip);
      buttons_.flip->setChecked(flipped_);
    }
    return;
  }
  flip();
}

void Fretboard::menuFlipClick() {
  if (!host_.isPlayingOrBusy()) flip();
}

void Fretboard::sbShowArpClick() {
  if (undoIfBusy(buttons_.showArpeggio)) return;
  const std::optional<ChordDiagram> chord = host_.arpeggioChord();
  if (!chord) return;
  const bool down = buttons_.showArpeggio && buttons_.showArpeggio->isChecked();
  if (down && !chord->isEmpty()) {
    ShowNotesAcrossNeck(*chord, Qt::black);
    return;
  }
  RedrawFretboard(*chord);
  if (host_.chordDesignActive()) Q_EMIT intervalDisplayRefreshRequested();
}

void Fretboard::sbtnBassNoteClick() {
  if (undoIfBusy(buttons_.bassNote)) return;
  Q_EMIT bassNoteChanged(buttons_.bassNote ? buttons_.bassNote->isChecked() : false);
}

void Fretboard::showArpeggio() {
  if (buttons_.showArpeggio) buttons_.showArpeggio->setChecked(true);
  sbShowArpClick();
}

void Fretboard::clearPointerReadOuts() {
  if (widgets_.noteReadout) widgets_.noteReadout->clear();
  if (widgets_.intervalReadout) widgets_.intervalReadout->clear();
}

void Fretboard::showPlayingNote(int string, int fret, int code) {
  if (!widgets_.neck || string < 0 || string >= kStringCount) return;
  const std::optional<int> x = fretX(hand_, fret);
  const std::optional<int> y = stringY(fret, string);
  const std::optional<int> cell = playingMarkerCell(static_cast<std::uint8_t>(code));
  if (!x || !y || !cell) return;
  SavedCell& saved = playingCells_[static_cast<std::size_t>(string)];
  saved.at = QPoint(*x, *y);
  saved.cell = widgets_.neck->markerCell(*x, *y);
  widgets_.neck->drawMarker(*cell, *x, *y);
}

void Fretboard::endPlayingNote(int string, bool clean) {
  if (!widgets_.neck || string < 0 || string >= kStringCount) return;
  SavedCell& saved = playingCells_[static_cast<std::size_t>(string)];
  if (saved.at.x() < 0) return;
  if (clean) {
    widgets_.neck->restoreClean(QRect(saved.at, QSize(kMarkerSize, kMarkerSize)));
  } else {
    widgets_.neck->putMarkerCell(saved.cell, saved.at.x(), saved.at.y());
  }
  saved = {};
}

}  // namespace strumly::gui
