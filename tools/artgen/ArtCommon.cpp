#include "ArtCommon.h"

#include <QDir>
#include <cstdio>

namespace artgen {

namespace {
int gScale = 1;
}  // namespace

void setScale(int scale) {
  gScale = scale;
}

int scale() {
  return gScale;
}

QImage whiteImage(int width, int height) {
  QImage image(width * gScale, height * gScale, QImage::Format_RGB32);
  image.setDevicePixelRatio(gScale);
  image.fill(Qt::white);
  return image;
}

QImage clearImage(int width, int height) {
  QImage image(width * gScale, height * gScale, QImage::Format_ARGB32);
  image.setDevicePixelRatio(gScale);
  image.fill(Qt::transparent);
  return image;
}

void stamp(QImage& image, int x, int y, std::initializer_list<const char*> rows, const QColor& colour) {
  int row = 0;
  for (const char* line : rows) {
    for (int col = 0; line[col] != '\0'; ++col) {
      if (line[col] != '#') continue;
      for (int dy = 0; dy < gScale; ++dy)
        for (int dx = 0; dx < gScale; ++dx)
          image.setPixelColor((x + col) * gScale + dx, (y + row) * gScale + dy, colour);
    }
    ++row;
  }
}

bool save(const QImage& image, const QString& folder, const QString& name) {
  const QString path = QDir(folder).filePath(name + (gScale == 2 ? "@2x.png" : ".png"));
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool saveCursor(QImage image, const QString& folder, const QString& name, int hotX, int hotY) {
  image.setText("hotspot", QString("%1,%2").arg(hotX).arg(hotY));
  return save(image, folder, name);
}

}  // namespace artgen
