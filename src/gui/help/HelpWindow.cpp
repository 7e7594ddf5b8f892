#include "gui/help/HelpWindow.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "gui/help/HelpBook.h"

namespace strumly::gui {
namespace {

constexpr int kPageRole = Qt::UserRole;

QListWidgetItem* addTopic(QListWidget* list, const QString& text, const QString& page) {
  auto* item = new QListWidgetItem(text, list);
  item->setData(kPageRole, page);
  return item;
}

}  // namespace

HelpWindow::HelpWindow(const QString& helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), book_(std::make_unique<HelpBook>(helpFolder)) {
  setObjectName("frmHelp");
  setWindowTitle(tr("Strumly Help"));
  resize(900, 640);

  browser_ = new QTextBrowser;
  browser_->setObjectName("helpBrowser");
  browser_->setSearchPaths({book_->folder()});
  // Pages of the help open here; web addresses go to the desktop's browser.
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.isLocalFile() || url.isRelative())
      browser_->setSource(url.isRelative() ? browser_->source().resolved(url) : url);
    else
      QDesktopServices::openUrl(url);
  });

  contents_ = new QListWidget;
  contents_->setObjectName("lstContents");
  for (const HelpTopic& topic : book_->contents()) addTopic(contents_, topic.title, topic.page);

  auto* indexTab = new QWidget;
  indexFilter_ = new QLineEdit;
  indexFilter_->setPlaceholderText(tr("Type a keyword"));
  index_ = new QListWidget;
  index_->setObjectName("lstIndex");
  auto* indexLayout = new QVBoxLayout(indexTab);
  indexLayout->addWidget(indexFilter_);
  indexLayout->addWidget(index_);
  connect(indexFilter_, &QLineEdit::textChanged, this, &HelpWindow::fillIndex);
  fillIndex({});

  auto* searchTab = new QWidget;
  searchWords_ = new QLineEdit;
  searchWords_->setPlaceholderText(tr("Words to find"));
  auto* searchButton = new QPushButton(tr("&Search"));
  results_ = new QListWidget;
  results_->setObjectName("lstSearch");
  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(searchWords_);
  searchRow->addWidget(searchButton);
  auto* searchLayout = new QVBoxLayout(searchTab);
  searchLayout->addLayout(searchRow);
  searchLayout->addWidget(results_);
  connect(searchButton, &QPushButton::clicked, this, &HelpWindow::runSearch);
  connect(searchWords_, &QLineEdit::returnPressed, this, &HelpWindow::runSearch);

  side_ = new QTabWidget;
  side_->addTab(contents_, tr("Contents"));
  side_->addTab(indexTab, tr("Index"));
  side_->addTab(searchTab, tr("Search"));
  for (QListWidget* list : {contents_, index_, results_})
    connect(list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { open(item->data(kPageRole).toString()); });
  connect(contents_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { open(item->data(kPageRole).toString()); });

  auto* bar = new QToolBar;
  QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"), browser_,
                                 &QTextBrowser::backward);
  QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"), browser_,
                                    &QTextBrowser::forward);
  bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("&Contents"), this,
                 [this] { go(HelpDestination{}); });
  back->setShortcut(QKeySequence::Back);
  forward->setShortcut(QKeySequence::Forward);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

  auto* splitter = new QSplitter;
  splitter->addWidget(side_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({240, 660});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(bar);
  layout->addWidget(splitter);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::go(const HelpDestination& to) {
  switch (to.kind) {
    case HelpDestination::Kind::Close:
      hide();
      return;
    case HelpDestination::Kind::Index:
      side_->setCurrentWidget(indexFilter_->parentWidget());
      indexFilter_->setText(QString::fromStdString(to.keyword));
      if (index_->count() > 0) open(index_->item(0)->data(kPageRole).toString());
      break;
    case HelpDestination::Kind::Page:
      open(QString::fromStdString(to.page));
      break;
  }
  show();
  raise();
  activateWindow();
}

QString HelpWindow::currentPage() const {
  return QFileInfo(browser_->source().toLocalFile()).fileName();
}

void HelpWindow::open(const QString& page) {
  const QUrl url = book_->urlOf(page);
  // A page missing from the folder would show a blank browser; the contents say what there is.
  if (!QFileInfo(url.toLocalFile()).isFile())
    browser_->setSource(book_->urlOf(QString::fromUtf8(kHelpContentsPage.data(), kHelpContentsPage.size())));
  else
    browser_->setSource(url);
  for (int i = 0; i < contents_->count(); ++i)
    if (contents_->item(i)->data(kPageRole).toString() == currentPage()) contents_->setCurrentRow(i);
}

void HelpWindow::fillIndex(const QString& filter) {
  index_->clear();
  for (const auto& [keyword, page] : book_->keywords())
    if (keyword.startsWith(filter, Qt::CaseInsensitive)) addTopic(index_, keyword, page);
}

void HelpWindow::runSearch() {
  results_->clear();
  for (const HelpTopic& topic : book_->search(searchWords_->text()))
    addTopic(results_, topic.title, topic.page);
  if (results_->count() == 0) results_->addItem(tr("No page holds all of these words."));
}

}  // namespace strumly::gui
