#include "gui/playpage/PlayPage.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/app/AppSettings.h"
#include "core/midi/MidiEvent.h"
#include "core/pages/PageHolders.h"
#include "core/pages/RecordConversions.h"
#include "core/playback/SongRecording.h"
#include "core/playpage/PlayPageFile.h"
#include "core/playpage/PlayPageLayout.h"
#include "gui/common/Command.h"
#include "gui/common/CoreText.h"
#include "gui/common/DialogService.h"
#include "gui/common/DocumentFiles.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageList.h"
#include "gui/common/PagePrinter.h"
#include "gui/common/RecordText.h"
#include "gui/common/Resources.h"
#include "gui/controls/TuningControls.h"
#include "gui/playback/Transport.h"
#include "gui/playpage/PlayPageCanvas.h"
#include "gui/playpage/PlayPageDrag.h"
#include "gui/playpage/PlayPagePlayback.h"
#include "gui/playpage/PlayPageScoring.h"
#include "gui/playpage/TdlgRepeat.h"
#include "gui/views/ChordDisplay.h"
#include "gui/views/DiagramPainter.h"
#include "platform/midi/SongExport.h"

namespace strumly::gui {
namespace {

QString playPageFilter() {
  return PlayPage::tr("Play Page Files") + " (*.ppf)";
}

}  // namespace

PlayPage::PlayPage(PageHolders& holders, PageList& pages, DialogService& dialogs,
                   const NoteSpelling& spelling, Transport& transport, ChordDisplay& display,
                   TuningControls& tuning, AppSettings& settings, const PlayPageControls& controls,
                   PlaybackContext& playback, QWidget* parent)
    : QWidget(parent),
      holders_(holders),
      pages_(pages),
      dialogs_(dialogs),
      spelling_(spelling),
      transport_(transport),
      display_(display),
      tuning_(tuning),
      settings_(settings),
      controls_(controls),
      scrollPlayPage_(new QScrollArea(this)),
      imgPlayPage_(new PageImage(QSize(PlayPageCanvas::kWidth, kPlayImageHeight))),
      canvas_(std::make_unique<PlayPageCanvas>(*imgPlayPage_)),
      drag_(new PlayPageDrag(*imgPlayPage_, *scrollPlayPage_, this)),
      popmenuPlayPage_(new QMenu(this)),
      commands_(new CommandTable(&transport, this)),
      playback_(
          std::make_unique<PlayPagePlayback>(model_, *canvas_, *imgPlayPage_, *scrollPlayPage_, playback)),
      lblScore_(new QLabel(this)),
      dlgRepeat_(new TdlgRepeat(this)) {
  setObjectName("pagePlayPage");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  // A click on the page takes the focus out of any edit; Tab goes straight to the picture.
  scrollPlayPage_->setFocusPolicy(Qt::ClickFocus);
  scrollPlayPage_->setObjectName("scrollPlayPage");
  imgPlayPage_->setObjectName("imgPlayPage");
  describePicture(imgPlayPage_, tr("Play page"),
                  tr("The song: 288 chord slots in bars, played from the start marker"));
  scrollPlayPage_->setWidget(imgPlayPage_);
  scrollPlayPage_->setBackgroundRole(QPalette::Base);
  lblScore_->setObjectName("lblScore");
  lblScore_->setAccessibleName(tr("Play-along score"));
  lblScore_->setContentsMargins(6, 2, 6, 2);
  lblScore_->hide();
  // The play-along line above the song: the mute box (once scoring joins the page) and the score.
  scoreBar_ = new QHBoxLayout;
  scoreBar_->setContentsMargins(6, 0, 6, 0);
  scoreBar_->addWidget(lblScore_, 1);
  layout->addLayout(scoreBar_);
  layout->addWidget(scrollPlayPage_);
  for (int k = 2; k <= kPlayPageCount; ++k) {
    auto* label = new QLabel(tr("Page %1").arg(k), imgPlayPage_);
    label->setObjectName(QString("lblPage%1").arg(k));
    label->setFont(pageFont(7));
    label->move(PlayPageCanvas::kWidth - 52, kPlayPageLabelTops[static_cast<std::size_t>(k - 2)]);
  }
  buildCommands();

  connect(imgPlayPage_, &PageImage::mousePressed, this,
          [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
            imgPlayPageMouseDown(button, modifiers, x, y);
          });
  connect(imgPlayPage_, &PageImage::mouseMoved, this, [this] { display_.clearPointerReadOuts(); });
  // The keyboard: the arrows move a selection over the slots (shown by the focus ring), Enter
  // presses it as a left click would and the menu keys as a right click.
  pressSelectionOnKeys(imgPlayPage_, [this](Qt::MouseButton button, int x, int y) {
    imgPlayPageMouseDown(button, Qt::NoModifier, x, y);
  });
  connect(imgPlayPage_, &PageImage::selectionMoveRequested, this, [this](int across, int down) {
    const PixelRect frame = imgPlayPage_->selectionFrame();
    std::optional<GridCell> from;
    if (!frame.isNull())
      if (const std::optional<SlotPos> at =
              playHitTest((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2))
        from = GridCell{at->column, at->row};
    const GridCell to = keyboardStep(from, across, down, kPlayColumns, kPlayRows);
    imgPlayPage_->setSelectionFrame(playCellRect(SlotPos{to.column, to.row}));
  });
  connect(imgPlayPage_, &PageImage::doubleClicked, this, [this] { imgPlayPageDblClick(); });
  connect(drag_, &PlayPageDrag::dropped, this, &PlayPage::imgPlayPageDragDrop);
  connect(dlgRepeat_, &QDialog::accepted, this, &PlayPage::repeatMarkersChosen);
  connect(&transport_, &Transport::loopChanged, this, &PlayPage::DrawRepeatMarkers);
  connect(&transport_, &Transport::tempoEdited, this, [this](PageId page) {
    if (page == PageId::PlayPage) model_.setModified(true);
  });
  connect(&spelling_, &NoteSpelling::changed, this, &PlayPage::RedrawPlayPage);
  if (controls_.leftHanded)
    connect(controls_.leftHanded, &QAbstractButton::toggled, this, &PlayPage::RedrawPlayPage);
  redrawAll();
}

PlayPage::~PlayPage() = default;

void PlayPage::buildCommands() {
  // Every command here waits while playing or busy; the table's gate refuses it.
  const auto item = [this](const char* id, const QString& caption, std::function<void()> handler,
                           bool PlayPopupItems::*onlyOnAChord = nullptr) {
    Command command;
    command.id = QString::fromLatin1(id);
    command.caption = caption;
    command.handler = [this, handler = std::move(handler)] {
      handler();
      edited();
    };
    // Over a free slot the chord items show disabled, as they are when the popup opens.
    if (onlyOnAChord) command.enabled = [this, onlyOnAChord] { return model_.popupItems().*onlyOnAChord; };
    commands_->add(std::move(command));
  };
  item(
      "pmenu4PlayChord", tr("Play Chord"), [this] { pmenu4PlayChordClick(); }, &PlayPopupItems::playChord);
  item(
      "pmenu4SendtoDesign", tr("Send To Chord Design"), [this] { pmenu4SendtoDesignClick(); },
      &PlayPopupItems::sendToDesign);
  item(
      "pmenu4SendtoPrint", tr("Send To Print Page"), [this] { pmenu4SendtoPrintClick(); },
      &PlayPopupItems::sendToPrint);
  item("pmenu4InsertSpace", tr("Insert Space"), [this] { pmenu4InsertSpaceClick(); });
  item(
      "pmenu4Delete", tr("Delete Chord"), [this] { pmenu4DeleteClick(); }, &PlayPopupItems::deleteChord);
  item(
      "pmenu4CutMove", tr("Cut and Move Chord"), [this] { pmenu4CutMoveClick(); },
      &PlayPopupItems::cutMoveChord);
  item(
      "pmenu4CopyMove", tr("Copy and Move Chord"), [this] { pmenu4CopyMoveClick(); },
      &PlayPopupItems::copyMoveChord);
  item("pmenu4InsertMeasure", tr("Insert Measure"), [this] { pmenu4InsertMeasureClick(); });
  item("pmenu4DeleteMeasure", tr("Delete Measure"), [this] { pmenu4DeleteMeasureClick(); });
  item("pmenu4CutMoveMeas", tr("Cut and Move Measure"), [this] { pmenu4CutMoveMeasClick(true); });
  item("pmenu4CopyMoveMeas", tr("Copy and Move Measure"), [this] { pmenu4CutMoveMeasClick(false); });
  item("pmenu4Repeat", tr("Repeat Markers"), [this] { pmenu4RepeatClick(); });
  popmenuPlayPage_->setObjectName("popmenuPlayPage");
  commands_->addTo(popmenuPlayPage_,
                   {"pmenu4PlayChord", "pmenu4SendtoDesign", "pmenu4SendtoPrint", "", "pmenu4InsertSpace",
                    "pmenu4Delete", "pmenu4CutMove", "pmenu4CopyMove", "", "pmenu4InsertMeasure",
                    "pmenu4DeleteMeasure", "pmenu4CutMoveMeas", "pmenu4CopyMoveMeas", "", "pmenu4Repeat"});

  Command time;
  time.id = "sbtnTime";
  time.caption = tr("Time Signature");
  time.handler = [this] { sbtnTimeClick(); };
  commands_->add(std::move(time));
  if (controls_.time) commands_->bind(controls_.time, "sbtnTime");
  for (int k = 1; k <= kPlayPageCount; ++k) {
    Command page;
    page.id = QString("sbtnPage%1").arg(k);
    page.caption = tr("PlayPage %1").arg(k);
    page.handler = [this, k] { sbtnPageClick(k); };
    commands_->add(std::move(page));
    bindPageButton(k);
  }
}

void PlayPage::bindPageButton(int page) {
  QAbstractButton* button = controls_.pages[static_cast<std::size_t>(page - 1)];
  if (!button) return;
  connect(button, &QAbstractButton::clicked, this, [this, page] {
    if (commands_->run(QString("sbtnPage%1").arg(page))) return;
    if (QAbstractButton* shown = controls_.pages[static_cast<std::size_t>(currentPage_ - 1)])
      shown->setChecked(true);
  });
}

bool PlayPage::refusesPresses() const {
  return transport_.IsPlayingOrBusy();
}

// ---- The page contract ----

void PlayPage::entered() {
  RedrawPlayPage();
  display_.ClearFretboard();
  SetTuningFromPlayPage();
  if (controls_.undo) controls_.undo->setEnabled(model_.undoAvailable());
}

PagePlayer* PlayPage::player() {
  return playback_.get();
}

QAbstractScrollArea* PlayPage::scrollArea() const {
  return scrollPlayPage_;
}

QWidget* PlayPage::placementImage() const {
  return imgPlayPage_;
}

void PlayPage::startPlacement() {
  model_.beginPlacementFromOtherPage();
  showPlacementCursor();
}

void PlayPage::dropPlacement() {
  model_.cancelPlacement();
  showPlacementCursor();
}

void PlayPage::showPlacementCursor() {
  switch (model_.placement()) {
    case PlacementCursor::None:
      imgPlayPage_->unsetCursor();
      break;
    case PlacementCursor::FromOtherPage:
      imgPlayPage_->setCursor(gui::cursor("CURFRET"));
      break;
    case PlacementCursor::MoveChord:
      imgPlayPage_->setCursor(gui::cursor("CURMOVE"));
      break;
    case PlacementCursor::MoveMeasure:
      imgPlayPage_->setCursor(gui::cursor("CMEASMOV"));
      break;
  }
}

// ---- Drawing ----

void PlayPage::RedrawPlayPage() {
  SlotStyle style;
  style.names = spelling_.names();
  style.leftHanded = controls_.leftHanded && controls_.leftHanded->isChecked();
  style.smallFont = settings_.playPageTinyFont;
  canvas_->RedrawPlayPage(model_.slots(), style);
  imgPlayPage_->refresh();
}

void PlayPage::DrawRepeatMarkers() {
  model_.loadWorkingMarkers();
  canvas_->DrawRepeatMarkers(model_.timeSignature(), model_.workingMarkers(), transport_.loop());
  imgPlayPage_->refresh();
}

PlayPageScoring& PlayPage::scoring(AudioFeed& audio) {
  if (!scoring_) {
    scoring_ =
        std::make_unique<PlayPageScoring>(audio, settings_, spelling_, *canvas_, *imgPlayPage_, *lblScore_);
    playback_->setScoring(scoring_.get());
    scoreBar_->insertWidget(0, scoring_->muteBox());
  }
  return *scoring_;
}

void PlayPage::redrawAll() {
  clearPageImage(*imgPlayPage_);
  // Another song or measure grid: the verdicts of the last take belong to none of its slots.
  if (scoring_) scoring_->clear();
  canvas_->DrawPlayGrid(model_.timeSignature());
  canvas_->movePlayStart({0, 0}, model_.playStart());
  DrawRepeatMarkers();
  RedrawPlayPage();
}

void PlayPage::SetTuningFromPlayPage() {
  const std::optional<SlotPos> first = model_.firstFilledSlotColumnMajor();
  if (!first) return;
  const ChordDiagram& chord = model_.slot(*first);
  Tuning tuning;
  tuning.pitches = chord.tuning;
  tuning_.showTuning(tuning, fromRecordText(chord.tuningName.view()));
}

// ---- Edits ----

void PlayPage::edited() {
  if (controls_.undo) controls_.undo->setEnabled(model_.undoAvailable());
  showPlacementCursor();
}

bool PlayPage::confirm(std::optional<PlayQuestion> question) {
  if (!question) return true;
  // Every question here replaces or deletes the user's chords: Enter answers No.
  return dialogs_.confirm(this, coreText(questionText(*question)), DialogService::Answer::No);
}

void PlayPage::sbtnPageClick(int page) {
  currentPage_ = page;
  scrollPlayPage_->verticalScrollBar()->setValue(playPageTop(page));
}

void PlayPage::sbtnTimeClick() {
  const bool threeFour = controls_.time && controls_.time->isChecked();
  model_.setTimeSignature(threeFour ? TimeSignature::ThreeFour : TimeSignature::FourFour);
  // The signature is stored with the song, so changing it is an edit worth saving.
  model_.setModified(true);
  canvas_->DrawPlayGrid(model_.timeSignature());
  DrawRepeatMarkers();
}

void PlayPage::undo() {
  // The shell refuses Undo while playing and disables the button afterwards.
  const bool erased = model_.undoRestoresErase();
  if (!model_.undo()) return;
  if (erased) {
    documentName_ = erasedDocument_.first;
    versionSuffix_ = erasedDocument_.second;
    window()->setWindowTitle(documentCaption(documentName_) + versionSuffix_);
    DrawRepeatMarkers();
  }
  // What Undo brings back is kept only by a save (after an erase, in no file at all).
  model_.setModified(true);
  RedrawPlayPage();
}

void PlayPage::imgPlayPageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
  drag_->disarm();
  if (refusesPresses()) return;
  const std::optional<SlotPos> hit = playHitTest(x, y);
  if (!hit) return;
  const bool filled = model_.press(*hit);
  if (button == Qt::LeftButton) drag_->arm(filled ? hit : std::nullopt, QPoint(x, y));
  if (model_.placement() != PlacementCursor::None) {
    const PlaceKeys keys{(modifiers & Qt::AltModifier) != 0, (modifiers & Qt::ControlModifier) != 0};
    const std::optional<PlayQuestion> question =
        model_.placeHeld(*hit, holders_.heldChord, button == Qt::RightButton, keys);
    if (question) {
      if (!confirm(question)) return;
      model_.placeHeldConfirmed(*hit, holders_.heldChord, keys);
    }
    RedrawPlayPage();
    edited();
    return;
  }
  if (button != Qt::RightButton) return;
  // The chord items follow the pressed slot: the table asks as the popup opens.
  popmenuPlayPage_->popup(imgPlayPage_->popupPosition());
}

void PlayPage::imgPlayPageDblClick() {
  if (refusesPresses()) return;
  const SlotPos old = model_.playStart();
  if (const std::optional<SlotPos> start = model_.doubleClick()) {
    canvas_->movePlayStart(old, *start);
    imgPlayPage_->refresh();
  }
}

void PlayPage::imgPlayPageDragDrop(SlotPos source, QPoint at) {
  if (refusesPresses()) return;
  const std::optional<SlotPos> target = playHitTest(at.x(), at.y());
  if (!target) return;
  const Qt::KeyboardModifiers modifiers = QGuiApplication::queryKeyboardModifiers();
  const PlaceKeys keys{(modifiers & Qt::AltModifier) != 0, (modifiers & Qt::ControlModifier) != 0};
  model_.press(source);  // the drag began with a press on the source slot
  if (const std::optional<PlayQuestion> question = model_.dropDragged(*target, holders_.heldChord, keys)) {
    if (!confirm(question)) return;
    model_.dropDraggedConfirmed(*target, holders_.heldChord, keys);
  }
  RedrawPlayPage();
  edited();
}

void PlayPage::pmenu4PlayChordClick() {
  const ChordDiagram& chord = model_.slot(model_.clickedSlot());
  if (chord.isEmpty()) return;
  playback_->playChordNext(chord);
  transport_.sbtnPlayClick();
}

void PlayPage::pmenu4SendtoDesignClick() {
  const ChordDiagram& chord = model_.slot(model_.clickedSlot());
  if (chord.isEmpty()) return;
  holders_.heldChord = chord;
  pages_.carryTo(PageId::ChordDesign);
}

void PlayPage::pmenu4SendtoPrintClick() {
  const ChordDiagram& chord = model_.slot(model_.clickedSlot());
  if (chord.isEmpty()) return;
  holders_.heldCell = chordToCell(chord);
  pages_.carryTo(PageId::Print);
}

void PlayPage::pmenu4InsertSpaceClick() {
  model_.insertSpace();
  RedrawPlayPage();
}

void PlayPage::pmenu4DeleteClick() {
  if (const std::optional<PlayQuestion> question = model_.deleteChord()) {
    if (!confirm(question)) return;
    model_.deleteChordConfirmed();
  }
  canvas_->eraseCell(model_.clickedSlot());
  imgPlayPage_->refresh();
}

void PlayPage::pmenu4CutMoveClick() {
  holders_.heldChord = model_.cutMoveChord();
  canvas_->eraseCell(model_.clickedSlot());
  imgPlayPage_->refresh();
}

void PlayPage::pmenu4CopyMoveClick() {
  holders_.heldChord = model_.copyMoveChord();
}

void PlayPage::pmenu4InsertMeasureClick() {
  model_.insertMeasure();
  RedrawPlayPage();
}

void PlayPage::pmenu4DeleteMeasureClick() {
  if (const std::optional<PlayQuestion> question = model_.deleteMeasure()) {
    if (!confirm(question)) return;
    model_.deleteMeasureConfirmed();
  }
  RedrawPlayPage();
}

void PlayPage::pmenu4CutMoveMeasClick(bool cut) {
  if (cut) {
    model_.cutMoveMeasure();
    RedrawPlayPage();
  } else {
    model_.copyMoveMeasure();
  }
}

void PlayPage::pmenu4RepeatClick() {
  model_.loadWorkingMarkers();
  dlgRepeat_->setMeasure(model_.measureOfSlot(model_.clickedSlot()), model_.workingMarkers(),
                         model_.timeSignature());
  dlgRepeat_->open();
}

void PlayPage::repeatMarkersChosen() {
  model_.storeWorkingMarkers();
  model_.setModified(true);
  DrawRepeatMarkers();
}

// ---- The document ----

void PlayPage::erase() {
  // A song is too much work to lose to one click: the question of closing, and Undo after it.
  SaveBeforeClose question;
  for (ClosingDocument& document : closingDocuments()) question.add(std::move(document));
  if (!question.mayClose(dialogs_, this)) return;
  erasedDocument_ = {documentName_, versionSuffix_};
  model_.eraseUndoably();
  documentName_.clear();
  versionSuffix_.clear();
  redrawAll();
  scrollPlayPage_->verticalScrollBar()->setValue(0);
  if (controls_.undo) controls_.undo->setEnabled(model_.undoAvailable());
  showPlacementCursor();
  window()->setWindowTitle(documentCaption(QString()));
}

PagePrintout PlayPage::printout() const {
  return playPagePrintout(*imgPlayPage_, documentName_, currentPage_);
}

QList<ClosingDocument> PlayPage::closingDocuments() {
  return {{tr("Save PlayPage changes before closing?"), tr("Save PlayPage changes to %1 before closing?"),
           [this] { return model_.isModified(); }, [this] { return documentName_; },
           [this] { return SavePlayPage(false); }}};
}

bool PlayPage::OpenPlayPageWithPrompt() {
  if (model_.isModified()) {
    switch (dialogs_.question(
        this, tr("Do you want to save changes to this PlayPage before opening another file?"))) {
      case DialogService::Answer::Cancel:
        return false;
      case DialogService::Answer::Yes:
        if (!SavePlayPage(false)) return false;
        break;
      case DialogService::Answer::No:
        break;
    }
  }
  const QString path =
      chooseOpenPath(dialogs_, this, tr("Open PlayPage File"), playPageFilter(), settings_.folders.play);
  if (path.isEmpty()) return true;
  return OpenPlayPageFile(path);
}

bool PlayPage::OpenPlayPageFile(const QString& path) {
  const PlayPageReadResult read = readPlayPage(path.toStdString());
  if (!read.ok()) {
    // The page is untouched: a refused file is read whole before anything changes.
    dialogs_.notice(this, coreText(read.error));
    return false;
  }
  pages_.activate(PageId::PlayPage);
  applySong(*read.song);
  DocumentLocation{documentName_, settings_.folders.play}.remember(path);
  versionSuffix_ = read.song->olderFormat ? " " + tr("(RU5 Version)") : QString();
  window()->setWindowTitle(documentCaption(documentName_) + versionSuffix_);
  SetTuningFromPlayPage();
  return true;
}

void PlayPage::applySong(const PlayPageSong& song) {
  if (controls_.time) {
    const QSignalBlocker block(controls_.time);
    controls_.time->setChecked(song.signature == TimeSignature::ThreeFour);
  }
  transport_.setTempoMicros(tempoMicrosForBpm(song.tempoBpm));
  if (controls_.strumSpeed) controls_.strumSpeed->setValue(song.strumSpeed);
  if (controls_.bassNote) controls_.bassNote->setChecked(song.bass);
  model_.erase();
  model_.setTimeSignature(song.signature);
  model_.slots() = song.slots;
  model_.savedMarkers(TimeSignature::ThreeFour) = song.markers34;
  model_.savedMarkers(TimeSignature::FourFour) = song.markers44;
  model_.loadWorkingMarkers();
  model_.setModified(false);
  model_.resetUndoToPage();
  // The loop redraws the markers when it changes; the whole page is drawn right after anyway.
  transport_.setLoop(song.loop);
  redrawAll();
  scrollPlayPage_->verticalScrollBar()->setValue(0);
  if (controls_.undo) controls_.undo->setEnabled(false);
}

PlayPageSong PlayPage::currentSong() const {
  PlayPageSong song;
  song.signature = model_.timeSignature();
  song.tempoBpm = Transport::beatsPerMinute(transport_.tempoMicros());
  song.strumSpeed = controls_.strumSpeed ? controls_.strumSpeed->value() : song.strumSpeed;
  song.loop = transport_.loop();
  song.bass = controls_.bassNote && controls_.bassNote->isChecked();
  song.slots = model_.slots();
  return song;
}

bool PlayPage::SavePlayPage(bool alwaysAsk) {
  const std::optional<QString> path =
      chooseSavePath(dialogs_, this, tr("Save PlayPage File"), playPageFilter(), "ppf",
                     {documentName_, settings_.folders.play}, alwaysAsk);
  if (!path) return false;
  if (pages_.isActive(PageId::PlayPage)) window()->setWindowTitle(documentCaption(documentName_));
  const PlayPageWriteResult written =
      writePlayPage(path->toStdString(), currentSong(), model_.workingMarkers());
  if (!written.ok()) {
    dialogs_.notice(this, coreText(written.error));
    return false;
  }
  versionSuffix_.clear();
  model_.setModified(false);
  model_.forgetUndo();
  if (controls_.undo) controls_.undo->setEnabled(false);
  return true;
}

bool PlayPage::exportSound(bool wav) {
  const QString base =
      documentName_.isEmpty() ? QString("Song") : QFileInfo(documentName_).completeBaseName();
  const QString folder = withSlash(QString::fromStdString(settings_.folders.play));
  const QString path = wav ? dialogs_.saveFileName(this, tr("Export WAV"), folder + base + ".wav",
                                                   tr("WAV Files") + " (*.wav)", "wav")
                           : dialogs_.saveFileName(this, tr("Export MIDI"), folder + base + ".mid",
                                                   tr("MIDI Files") + " (*.mid)", "mid");
  if (path.isEmpty()) return true;  // cancelled: nothing to tell
  PlayPageSong song = currentSong();
  song.savedMarkers() = model_.savedMarkers(model_.timeSignature());
  RecordingOptions options;
  options.countOff = transport_.countOff();
  options.click = transport_.click();
  RecordedSong recorded = recordSong(song, settings_, options);
  recorded.name = documentName_.toStdString();
  const std::string error = exportRecordedSong(recorded, wav, path.toStdString());
  if (!error.empty()) dialogs_.notice(this, coreText(error));
  return true;
}

}  // namespace strumly::gui
