#include "gui/chords/ChordMenus.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "core/chords/ChordName.h"
#include "gui/common/NoteSpelling.h"

namespace strumly::gui {

ChordMenus::ChordMenus(const Menus& menus, const Readouts& readouts, NoteSpelling& spelling, QObject* parent)
    : QObject(parent), readouts_(readouts), spelling_(spelling) {
  for (int i = 0; i < menus.keyItems.size(); ++i) {
    connect(menus.keyItems[i], &QAction::triggered, this, [this, i] { mnuCClick(i); });
  }
  fill(menus.major, ChoiceMenu::Major, &ChordMenus::major1Click, &ChordMenus::maj7add131Click);
  fill(menus.minor, ChoiceMenu::Minor, &ChordMenus::minor1Click, &ChordMenus::m111Click);
  fill(menus.dominant, ChoiceMenu::Dominant, &ChordMenus::N71Click, &ChordMenus::N791Click);
  fill(menus.scale, ChoiceMenu::Scale, &ChordMenus::IonianMajor1Click, &ChordMenus::Enigmatic1Click);
  connect(&spelling_, &NoteSpelling::changed, this, &ChordMenus::respell);
  if (readouts_.editChordRoot) {
    connect(readouts_.editChordRoot, &QLineEdit::editingFinished, this, &ChordMenus::editChordRootExit);
  }
}

void ChordMenus::fill(QMenu* menu, ChoiceMenu kind, void (ChordMenus::*mainHandler)(int),
                      void (ChordMenus::*moreHandler)(int)) {
  if (!menu) return;
  // The submenu is the menu's first item; the main items follow it.
  QMenu* more = nullptr;
  const auto actions = menu->actions();
  if (!actions.isEmpty()) more = actions.first()->menu();
  const auto captions = menuEntryCaptions(kind);
  const MenuSplit split = menuSplit(kind);
  for (int n = 0; n < static_cast<int>(captions.size()); ++n) {
    QString caption = QString::fromLatin1(captions[static_cast<std::size_t>(n)]);
    bool inMain = n < split.mainCount || !more;
    QAction* action = (inMain ? menu : more)->addAction(caption.replace('&', "&&"));
    int position = inMain ? n + 1 : n - split.mainCount;
    auto handler = inMain ? mainHandler : moreHandler;
    connect(action, &QAction::triggered, this, [this, handler, position] { (this->*handler)(position); });
  }
}

void ChordMenus::mnuCClick(int position) {
  if (position < 0 || position > 11) return;
  key_ = static_cast<PitchClass>(position);
  if (readouts_.editChordRoot) readouts_.editChordRoot->setText(spelling_.name(position));
  Q_EMIT choiceChanged();
}

void ChordMenus::major1Click(int position) {
  choose(choiceForMenuItem(ChoiceMenu::Major, position));
}
void ChordMenus::maj7add131Click(int position) {
  choose(choiceForMoreItem(ChoiceMenu::Major, position));
}
void ChordMenus::minor1Click(int position) {
  choose(choiceForMenuItem(ChoiceMenu::Minor, position));
}
void ChordMenus::m111Click(int position) {
  choose(choiceForMoreItem(ChoiceMenu::Minor, position));
}
void ChordMenus::N71Click(int position) {
  choose(choiceForMenuItem(ChoiceMenu::Dominant, position));
}
void ChordMenus::N791Click(int position) {
  choose(choiceForMoreItem(ChoiceMenu::Dominant, position));
}
void ChordMenus::IonianMajor1Click(int position) {
  choose(choiceForMenuItem(ChoiceMenu::Scale, position));
}
void ChordMenus::Enigmatic1Click(int position) {
  choose(choiceForMoreItem(ChoiceMenu::Scale, position));
}

void ChordMenus::choose(std::optional<MenuChoice> choice) {
  if (!choice) return;
  choice_ = *choice;
  if (readouts_.editChordName) readouts_.editChordName->setText(QString::fromLatin1(choiceCaption(choice_)));
  if (readouts_.btnShowChords)
    readouts_.btnShowChords->setText(choice_.scale ? tr("Show Scale") : tr("Show Chords"));
  if (readouts_.nameLabel) readouts_.nameLabel->setText(choice_.scale ? tr("Scale Name") : tr("Chord Name"));
  Q_EMIT choiceChanged();
}

void ChordMenus::chooseMajorWhenUnnamed() {
  if (readouts_.editChordName && !readouts_.editChordName->text().isEmpty()) return;
  choice_ = MenuChoice{};
  if (readouts_.editChordName) readouts_.editChordName->setText("major");
}

void ChordMenus::editChordRootExit() {
  if (!readouts_.editChordRoot) return;
  QString text = readouts_.editChordRoot->text();
  readouts_.editChordRoot->setText(QString::fromStdString(normaliseChordRoot(text.toStdString())));
}

void ChordMenus::respell() {
  if (key_ && readouts_.editChordRoot && !readouts_.editChordRoot->text().isEmpty()) {
    readouts_.editChordRoot->setText(spelling_.name(*key_));
  }
}

}  // namespace strumly::gui
