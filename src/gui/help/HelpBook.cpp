#include "gui/help/HelpBook.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>

#include "core/app/HelpRouting.h"

namespace strumly::gui {
namespace {

QString readPage(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

QString titleOf(const QString& html) {
  static const QRegularExpression title(
      "<title>(.*?)</title>",
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  return QTextDocumentFragment::fromHtml(title.match(html).captured(1)).toPlainText().trimmed();
}

}  // namespace

HelpBook::HelpBook(const QString& folder) : folder_(QDir(folder).absolutePath() + '/') {
  const QString contentsPage = QString::fromUtf8(kHelpContentsPage.data(), kHelpContentsPage.size());
  static const QRegularExpression link(R"re(<a\s+href="([a-z0-9-]+\.html)"[^>]*>(.*?)</a>)re",
                                       QRegularExpression::CaseInsensitiveOption);
  QStringList seen;
  for (const auto& m : link.globalMatch(readPage(folder_ + contentsPage))) {
    if (seen.contains(m.captured(1))) continue;
    seen << m.captured(1);
    contents_.append({m.captured(1), QTextDocumentFragment::fromHtml(m.captured(2)).toPlainText()});
  }
  // Pages the contents do not link still take part in the index and the search.
  const QStringList files = QDir(folder_).entryList({"*.html"}, QDir::Files, QDir::Name);
  for (const QString& file : files)
    if (!seen.contains(file) && file != contentsPage) seen << file;
  static const QRegularExpression meta(R"re(<meta\s+name="keywords"\s+content="([^"]*)")re",
                                       QRegularExpression::CaseInsensitiveOption);
  for (const QString& file : seen) {
    const QString html = readPage(folder_ + file);
    if (html.isEmpty()) continue;
    const HelpTopic topic{file, titleOf(html)};
    pages_.append({topic, QTextDocumentFragment::fromHtml(html).toPlainText().toLower()});
    for (const QString& word : meta.match(html).captured(1).split(',', Qt::SkipEmptyParts))
      keywords_.append({word.trimmed(), file});
  }
  std::stable_sort(keywords_.begin(), keywords_.end(), [](const auto& a, const auto& b) {
    return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
  });
}

QList<HelpTopic> HelpBook::search(const QString& words) const {
  const QStringList wanted = words.toLower().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
  QList<HelpTopic> found;
  if (wanted.isEmpty()) return found;
  for (const PageText& page : pages_)
    if (std::all_of(wanted.begin(), wanted.end(), [&](const QString& w) { return page.text.contains(w); }))
      found.append(page.topic);
  return found;
}

QUrl HelpBook::urlOf(const QString& page) const {
  const qsizetype hash = page.indexOf('#');
  QUrl url = QUrl::fromLocalFile(folder_ + (hash < 0 ? page : page.left(hash)));
  if (hash >= 0) url.setFragment(page.mid(hash + 1));
  return url;
}

}  // namespace strumly::gui
