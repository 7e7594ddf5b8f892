#include "gui/chords/ChordMenus.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "core/chords/ChordName.h"
#include "gui/common/Command.h"
#include "gui/common/NoteSpelling.h"

namespace strumly::gui {
namespace {

const char* const kKeyItemIds[12] = {"mnuC",  "mnuDb", "mnuD",  "mnuEb", "mnuE",  "mnuF",
                                     "mnuGb", "mnuG",  "mnuAb", "mnuA",  "mnuBb", "mnuB"};

}  // namespace

ChordMenus::ChordMenus(const Menus& menus, const Readouts& readouts, NoteSpelling& spelling,
                       CommandTable& commands, QObject* parent)
    : QObject(parent), readouts_(readouts), spelling_(spelling), commands_(commands) {
  fillKeys(menus.key);
  fill(menus.major, ChoiceMenu::Major, "mnuMajor", &ChordMenus::major1Click, "mnuMoreMajor",
       &ChordMenus::maj7add131Click);
  fill(menus.minor, ChoiceMenu::Minor, "mnuMinor", &ChordMenus::minor1Click, "mnuMoreMinor",
       &ChordMenus::m111Click);
  fill(menus.dominant, ChoiceMenu::Dominant, "mnuDominant", &ChordMenus::N71Click, "mnuMoreDom",
       &ChordMenus::N791Click);
  fill(menus.scale, ChoiceMenu::Scale, "mnuScale", &ChordMenus::IonianMajor1Click, "mnuMoreScales",
       &ChordMenus::Enigmatic1Click);
  connect(&spelling_, &NoteSpelling::changed, this, &ChordMenus::respell);
  if (readouts_.editChordRoot) {
    connect(readouts_.editChordRoot, &QLineEdit::editingFinished, this, &ChordMenus::editChordRootExit);
  }
}

void ChordMenus::addItem(QMenu* menu, const QString& id, const QString& caption,
                         std::function<void()> handler) {
  Command command;
  command.id = id;
  command.caption = caption;
  command.handler = std::move(handler);
  commands_.add(std::move(command));
  commands_.addTo(menu, {id});
}

void ChordMenus::fillKeys(QMenu* menu) {
  if (!menu) return;
  // Named in the current spelling; a change of spelling renames them (respell).
  for (int k = 0; k < 12; ++k) addItem(menu, kKeyItemIds[k], spelling_.name(k), [this, k] { mnuCClick(k); });
}

void ChordMenus::fill(QMenu* menu, ChoiceMenu kind, const QString& mainId,
                      void (ChordMenus::*mainHandler)(int), const QString& moreId,
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
    const int position = inMain ? n + 1 : n - split.mainCount;
    const auto handler = inMain ? mainHandler : moreHandler;
    addItem(inMain ? menu : more, (inMain ? mainId : moreId) + QString::number(position),
            caption.replace('&', "&&"), [this, handler, position] { (this->*handler)(position); });
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
  for (int k = 0; k < 12; ++k)
    if (QAction* item = commands_.action(kKeyItemIds[k])) item->setText(spelling_.name(k));
  if (key_ && readouts_.editChordRoot && !readouts_.editChordRoot->text().isEmpty()) {
    readouts_.editChordRoot->setText(spelling_.name(*key_));
  }
}

}  // namespace strumly::gui
