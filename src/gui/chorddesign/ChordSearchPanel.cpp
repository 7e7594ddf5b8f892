#include "gui/chorddesign/ChordSearchPanel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDrag>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTextOption>
#include <QVBoxLayout>

#include "core/app/AppSettings.h"
#include "core/chords/ChordTypeList.h"
#include "gui/common/Command.h"
#include "gui/common/CoreText.h"
#include "gui/common/DialogService.h"
#include "gui/common/NoteSpelling.h"
#include "gui/playback/Transport.h"

namespace strumly::gui {
namespace {

constexpr int kTypeRole = Qt::UserRole;
constexpr int kRootRole = Qt::UserRole + 1;
// Wide enough for the longest root and type name ("Db sus(add3/add9)"), so no formula jumps a column.
constexpr int kTabStop = 135;

// Draws a row's text with the list's tab stop, so the formulas line up in a column.
class TabStopDelegate : public QStyledItemDelegate {
 public:
  TabStopDelegate(int tabStop, QObject* parent) : QStyledItemDelegate(parent), tabStop_(tabStop) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setTabStopDistance(tabStop_);
    layout.setWrapMode(QTextOption::NoWrap);
    painter->save();
    painter->setPen(
        item.palette.color(item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(item.rect.adjusted(2, 0, 0, 0), text, layout);
    painter->restore();
  }

 private:
  int tabStop_;
};

QButtonGroup* addOptions(QWidget* parent, QVBoxLayout* into, const char* name, const QString& caption,
                         const QStringList& items, int start) {
  auto* box = new QGroupBox(caption, parent);
  box->setObjectName(name);
  auto* column = new QVBoxLayout(box);
  auto* group = new QButtonGroup(box);
  for (int i = 0; i < items.size(); ++i) {
    auto* radio = new QRadioButton(items[i], box);
    radio->setFocusPolicy(Qt::TabFocus);
    group->addButton(radio, i);
    column->addWidget(radio);
  }
  group->button(start)->setChecked(true);
  into->addWidget(box);
  return group;
}

}  // namespace

ChordSearchPanel::ChordSearchPanel(const ChordDiagram& designChord, const AppSettings& settings,
                                   std::filesystem::path dataFolder, const NoteSpelling& spelling,
                                   const Transport& transport, DialogService& dialogs, QWidget* parent)
    : QWidget(parent),
      designChord_(designChord),
      settings_(settings),
      dataFolder_(std::move(dataFolder)),
      spelling_(spelling),
      transport_(transport),
      dialogs_(dialogs),
      btnSearch_(new QPushButton(tr("Search"), this)),
      listChordDesign_(new QListWidget(this)) {
  auto* options = new QVBoxLayout;
  rgIntervalOp_ = addOptions(this, options, "rgIntervalOp", tr("Interval Note Options"),
                             {tr("Search For All Chords Containing These Notes"),
                              tr("Limit Search To Chords With These Notes Only")},
                             1);
  rgRootOp_ = addOptions(
      this, options, "rgRootOp", tr("Root Note Options"),
      {tr("Use Current Root Note Only"), tr("Use Each Note In Chord As Root"), tr("Use All 12 Keys As Root")},
      0);
  btnSearch_->setObjectName("btnSearch");
  btnSearch_->setFocusPolicy(Qt::TabFocus);
  options->addWidget(btnSearch_);
  options->addStretch(1);

  listChordDesign_->setObjectName("listChordDesign");
  listChordDesign_->setAccessibleName(tr("Chords found"));
  listChordDesign_->setAccessibleDescription(
      tr("The chords the search found; drag one onto the design group"));
  // The rows put the formula after a tab; a delegate-free list takes its tab stop from the font.
  listChordDesign_->setItemDelegate(new TabStopDelegate(kTabStop, listChordDesign_));
  listChordDesign_->setMinimumWidth(260);
  listChordDesign_->viewport()->installEventFilter(this);
  listChordDesign_->viewport()->setMouseTracking(true);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addLayout(options);
  row->addWidget(listChordDesign_, 1);
  // Search is a command: refused while playing or busy by its table, like every popup item.
  auto* commands = new CommandTable(&transport_, this);
  Command search;
  search.id = "btnSearch";
  search.caption = btnSearch_->text();
  search.handler = [this] { btnSearchClick(); };
  commands->add(search);
  commands->bind(btnSearch_, search.id);
}

IntervalOption ChordSearchPanel::intervalOption() const {
  return static_cast<IntervalOption>(rgIntervalOp_->checkedId());
}
RootOption ChordSearchPanel::rootOption() const {
  return static_cast<RootOption>(rgRootOp_->checkedId());
}
void ChordSearchPanel::setIntervalOption(IntervalOption option) {
  rgIntervalOp_->button(static_cast<int>(option))->setChecked(true);
}
void ChordSearchPanel::setRootOption(RootOption option) {
  rgRootOp_->button(static_cast<int>(option))->setChecked(true);
}

void ChordSearchPanel::btnSearchClick() {
  listChordDesign_->clear();
  std::vector<ChordTypeRecord> types;
  try {
    ForEachChordType(dataFolder_, [&](int, const ChordTypeRecord& type) { types.push_back(type); });
  } catch (const DictionaryError& error) {
    dialogs_.notice(this, coreText(error.what()));
    return;
  }
  for (const UserChordType& user : settings_.userChords)
    types.push_back(userChordType(user.name, user.formula, user.intervals));

  ChordSearchRequest request;
  request.intervals = designChord_.intervals;
  request.root = designChord_.root;
  request.rootSounds = rootSounds(designChord_);
  request.intervalOption = intervalOption();
  request.rootOption = rootOption();
  const ChordSearchOutcome outcome = searchChords(request, types);
  if (!outcome.searched) return;
  setIntervalOption(outcome.intervalOption);
  setRootOption(outcome.rootOption);
  for (const ChordSearchMatch& match : outcome.matches) {
    const std::string text =
        chordSearchRowText(match, types[static_cast<std::size_t>(match.typeIndex)], spelling_.names());
    auto* item = new QListWidgetItem(QString::fromStdString(text), listChordDesign_);
    item->setData(kTypeRole, match.typeIndex);
    item->setData(kRootRole, static_cast<int>(match.root));
  }
  if (outcome.matches.empty()) listChordDesign_->addItem(tr("No Chords Found"));
}

std::optional<ChordSearchMatch> ChordSearchPanel::selectedMatch() const {
  const QListWidgetItem* item = listChordDesign_->currentItem();
  if (!item || !item->isSelected() || !item->data(kTypeRole).isValid()) return std::nullopt;
  return ChordSearchMatch{item->data(kTypeRole).toInt(),
                          static_cast<PitchClass>(item->data(kRootRole).toInt())};
}

void ChordSearchPanel::clearResults() {
  listChordDesign_->clear();
}

bool ChordSearchPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == listChordDesign_->viewport()) {
    if (event->type() == QEvent::MouseMove) Q_EMIT pointerMoved();
    // listChordDesignMouseDown: a press on the row already selected carries it to the group.
    if (event->type() == QEvent::MouseButtonPress) {
      auto* press = static_cast<QMouseEvent*>(event);
      const QListWidgetItem* item = listChordDesign_->itemAt(press->position().toPoint());
      if (press->button() == Qt::LeftButton && item && item->isSelected() && selectedMatch()) {
        auto* drag = new QDrag(listChordDesign_);
        auto* data = new QMimeData;
        data->setData(kMimeType, "list");
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace strumly::gui
