#include "gui/chorddesign/UserChordTypes.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QStringList>

#include "core/app/AppSettings.h"
#include "gui/chorddesign/ChordDesignPage.h"
#include "gui/chorddesign/TdlgAddChord.h"
#include "gui/common/CoreText.h"
#include "gui/common/DialogService.h"
#include "platform/settings/AppSettingsStore.h"

namespace strumly::gui {
namespace {

// A notice names only the first few of a long run of damaged sections.
constexpr int kNamedSections = 5;

}  // namespace

UserChordTypes::UserChordTypes(ChordDesignPage& page, AppSettingsStore& store, AppSettings& settings,
                               DialogService& dialogs, std::function<void()> refreshDisplay, QObject* parent)
    : QObject(parent),
      page_(page),
      store_(store),
      settings_(settings),
      dialogs_(dialogs),
      refreshDisplay_(std::move(refreshDisplay)),
      popmenu6_(new QMenu(&page)),
      dlgAddChord_(new TdlgAddChord(dialogs, page.window())) {
  popmenu6_->setObjectName("popmenu6");
  QAction* add = popmenu6_->addAction(tr("Add User Chord"));
  add->setObjectName("pmenu6Add");
  connect(add, &QAction::triggered, this, &UserChordTypes::pmenu6AddClick);
  QAction* remove = popmenu6_->addAction(tr("Delete User Chord"));
  remove->setObjectName("pmenu6Delete");
  connect(remove, &QAction::triggered, this, &UserChordTypes::pmenu6DeleteClick);
  QComboBox* list = page_.chordTypeBox();
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list, &QComboBox::customContextMenuRequested, this,
          [this, list](const QPoint& at) { popmenu6_->popup(list->mapToGlobal(at)); });
  connect(dlgAddChord_, &QDialog::accepted, this, &UserChordTypes::addChosenType);
}

void UserChordTypes::showLoaded() {
  page_.setUserChordTypes(settings_.userChords);
  const std::vector<int>& damaged = settings_.damagedUserChordSections;
  if (damaged.empty()) return;
  QStringList named;
  for (std::size_t i = 0; i < damaged.size() && i < kNamedSections; ++i) named << QString::number(damaged[i]);
  if (damaged.size() > kNamedSections) named << "...";
  dialogs_.notice(page_.window(),
                  tr("Damaged user chord types in Kv.ini were skipped (sections %1).").arg(named.join(", ")));
}

void UserChordTypes::pmenu6AddClick() {
  dlgAddChord_->open();
}

void UserChordTypes::addChosenType() {
  const std::optional<UserChordType> type = dlgAddChord_->chosenType();
  if (!type) return;
  try {
    store_.addUserChord(*type);
  } catch (const std::exception& error) {
    tellWriteFailure(error);
    return;
  }
  reload(page_.chordTypeBox()->currentIndex());
}

void UserChordTypes::pmenu6DeleteClick() {
  QComboBox* list = page_.chordTypeBox();
  const int index = list->currentIndex();
  if (index < kFirstUserChordIndex) {
    dialogs_.notice(page_.window(), tr("Cannot delete this chord. Please select a User Chord."));
    return;
  }
  const std::size_t user = static_cast<std::size_t>(index - kFirstUserChordIndex);
  if (user >= settings_.userChords.size()) return;
  try {
    if (!store_.deleteUserChord(settings_.userChords[user].section)) return;
  } catch (const std::exception& error) {
    tellWriteFailure(error);
    return;
  }
  reload(-1);
  if (refreshDisplay_) refreshDisplay_();
}

void UserChordTypes::reload(int selectIndex) {
  settings_.userChords = store_.userChords();
  page_.setUserChordTypes(settings_.userChords);
  if (selectIndex >= 0 && selectIndex < page_.chordTypeBox()->count())
    page_.chordTypeBox()->setCurrentIndex(selectIndex);
}

void UserChordTypes::tellWriteFailure(const std::exception& error) {
  dialogs_.notice(page_.window(), coreText(error.what()));
}

}  // namespace strumly::gui
