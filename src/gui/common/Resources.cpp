#include "gui/common/Resources.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QPixmap>

namespace strumly::gui {
namespace {

// Resource names are compared without regard to case, so look the file up in its folder.
QString findResource(const QString& folder, const QString& name, const QString& suffix) {
  static QHash<QString, QString> cache;
  const QString key = folder + '/' + name.toUpper() + suffix;
  auto it = cache.constFind(key);
  if (it != cache.constEnd()) return *it;
  QString found;
  const QString wanted = (name + suffix).toUpper();
  const auto entries = QDir(":/" + folder).entryList(QDir::Files);
  for (const QString& entry : entries) {
    if (entry.toUpper() == wanted) {
      found = ":/" + folder + '/' + entry;
      break;
    }
  }
  cache.insert(key, found);
  return found;
}

}  // namespace

QImage picture(const QString& name) {
  const QString path = findResource("images", name, ".png");
  return path.isEmpty() ? QImage() : QImage(path);
}

QCursor cursor(const QString& name) {
  const QString path = findResource("cursors", name, ".png");
  if (path.isEmpty()) return QCursor(Qt::ArrowCursor);
  QImage image(path);
  int hx = image.width() / 2, hy = image.height() / 2;
  const QStringList hot = image.text("hotspot").split(',');
  if (hot.size() == 2) {
    hx = hot[0].toInt();
    hy = hot[1].toInt();
  }
  return QCursor(QPixmap::fromImage(image), hx, hy);
}

QByteArray wave(const QString& name) {
  const QString path = findResource("wave", name, ".wav");
  if (path.isEmpty()) return {};
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace strumly::gui
