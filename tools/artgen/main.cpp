// Regenerates the program's pictures and cursors into <resources>/images and <resources>/cursors.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace artgen {
bool writeDiagramArt(const QString& images);
bool writePageArt(const QString& images);
bool writeCursors(const QString& cursors);
bool writeSplash(const QString& images);
void setScale(int scale);
}  // namespace artgen

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: artgen <resources folder>\n");
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));
  const QString images = root.filePath("images");
  const QString cursors = root.filePath("cursors");
  QDir().mkpath(images);
  QDir().mkpath(cursors);
  // Each picture once as drawn, then at twice the pixels for HiDPI screens.
  bool ok = artgen::writeDiagramArt(images) && artgen::writePageArt(images) &&
            artgen::writeCursors(cursors) && artgen::writeSplash(images);
  artgen::setScale(2);
  ok = ok && artgen::writePageArt(images) && artgen::writeCursors(cursors) && artgen::writeSplash(images);
  return ok ? 0 : 1;
}
