#include "gui/common/Resources.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QMutex>
#include <QPixmap>
#include <QScreen>

namespace strumly::gui {
namespace {

// Resource names are compared without regard to case, so look the file up in its folder.
QString findResource(const QString& folder, const QString& name, const QString& suffix) {
  static QMutex guard;
  const QMutexLocker lock(&guard);
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

QImage picture(const QString& name, qreal ratio) {
  static QMutex guard;
  static QHash<QString, QImage> decoded;
  const bool sharp = ratio > 1.01;
  const QString key = name.toUpper() + (sharp ? "@2x" : "");
  {
    const QMutexLocker lock(&guard);
    auto it = decoded.constFind(key);
    if (it != decoded.constEnd()) return *it;
  }
  QImage image;
  if (sharp) {
    const QString path = findResource("images", name + "@2x", ".png");
    if (!path.isEmpty()) {
      image = QImage(path);
      image.setDevicePixelRatio(2.0);
    }
  }
  if (image.isNull()) {
    const QString path = findResource("images", name, ".png");
    if (!path.isEmpty()) image = QImage(path);
  }
  const QMutexLocker lock(&guard);
  decoded.insert(key, image);
  return image;
}

QCursor cursor(const QString& name) {
  const QString path = findResource("cursors", name, ".png");
  if (path.isEmpty()) return QCursor(Qt::ArrowCursor);
  QImage image(path);
  // The hot spot stays in the cursor's own pixels; a HiDPI screen gets the picture with twice
  // the pixels.
  const QString sharp = findResource("cursors", name + "@2x", ".png");
  const QScreen* screen = QGuiApplication::primaryScreen();
  const bool hiDpi = screen && screen->devicePixelRatio() > 1.01 && !sharp.isEmpty();
  int hx = image.width() / 2, hy = image.height() / 2;
  const QStringList hot = image.text("hotspot").split(',');
  if (hot.size() == 2) {
    hx = hot[0].toInt();
    hy = hot[1].toInt();
  }
  if (hiDpi) {
    QPixmap twice = QPixmap::fromImage(QImage(sharp));
    twice.setDevicePixelRatio(2.0);
    return QCursor(twice, hx, hy);
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
