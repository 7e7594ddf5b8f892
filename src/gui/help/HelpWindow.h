#pragma once
// The help window: the program's help pages in a browser, with the contents, the keyword index
// and a search beside it and Back / Forward / Contents above. One window serves every request;
// it stays open beside the program until the user closes it.
#include <QWidget>
#include <memory>

#include "core/app/HelpRouting.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace strumly::gui {

class HelpBook;

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(const QString& helpFolder, QWidget* parent = nullptr);
  ~HelpWindow() override;

  // Shows the destination and brings the window forward; Close hides it.
  void go(const HelpDestination& to);
  QTextBrowser* browser() const { return browser_; }
  // The page shown, as a file name of the help folder.
  QString currentPage() const;

 private:
  void open(const QString& page);
  void fillIndex(const QString& filter);
  void runSearch();

  std::unique_ptr<HelpBook> book_;
  QTabWidget* side_;
  QListWidget* contents_;
  QLineEdit* indexFilter_;
  QListWidget* index_;
  QLineEdit* searchWords_;
  QListWidget* results_;
  QTextBrowser* browser_;
};

}  // namespace strumly::gui
