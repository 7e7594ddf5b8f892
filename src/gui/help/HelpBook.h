#pragma once
// The program's help: HTML pages in one folder. The contents are the links of the contents page
// in their order, the keyword index comes from each page's "keywords" meta line, and the search
// looks for pages holding every word asked for. Read once, when the help is first opened.
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

namespace strumly::gui {

struct HelpTopic {
  QString page;  // file name in the help folder
  QString title;
};

class HelpBook {
 public:
  explicit HelpBook(const QString& folder);

  const QList<HelpTopic>& contents() const { return contents_; }
  // (keyword, page) pairs sorted by keyword, without regard to case.
  const QList<QPair<QString, QString>>& keywords() const { return keywords_; }
  // Pages whose text holds every word of `words`, in contents order.
  QList<HelpTopic> search(const QString& words) const;
  // The address of a page of the folder ("scales.html", "preferences.html#midi").
  QUrl urlOf(const QString& page) const;
  QString folder() const { return folder_; }

 private:
  struct PageText {
    HelpTopic topic;
    QString text;  // plain text, lower case
  };
  QString folder_;
  QList<HelpTopic> contents_;
  QList<QPair<QString, QString>> keywords_;
  QList<PageText> pages_;
};

}  // namespace strumly::gui
