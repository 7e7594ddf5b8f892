#include "gui/app/PageFilePrintout.h"

#include <QFileInfo>
#include <functional>

#include "core/app/AppSettings.h"
#include "core/pages/PageFiles.h"
#include "core/playpage/PlayPageFile.h"
#include "core/playpage/PlayPageLayout.h"
#include "core/tab/TabFile.h"
#include "gui/chords/ChordsPage.h"
#include "gui/common/PageImage.h"
#include "gui/common/PagePrinter.h"
#include "gui/playpage/PlayPageCanvas.h"
#include "gui/print/PrintPage.h"
#include "gui/scales/ScalesPage.h"
#include "gui/views/DiagramPainter.h"

namespace strumly::gui {
namespace {

QString fromTab(const TabLine& line) {
  return QString::fromUcs4(line.data(), static_cast<qsizetype>(line.size()));
}

PagePrintout tabPrintout(const TabLines& lines, const QString& fileName) {
  PagePrintout out;
  for (const TabLine& line : lines) out.lines << fromTab(line);
  out.textTitle = "Strumly!: " + fileName;
  out.lastSheet = out.sheetCount();
  return out;
}

PageHolders readDiagramPage(
    const std::string& path,
    const std::function<std::optional<std::string>(std::span<const std::uint8_t>, PageHolders&)>& reader) {
  std::string error;
  const std::optional<std::vector<std::uint8_t>> bytes = readPageFileBytes(path, error);
  if (!bytes) throw PageFileNotPrinted{error};
  PageHolders holders;
  if (const std::optional<std::string> refused = reader(*bytes, holders)) throw PageFileNotPrinted{*refused};
  return holders;
}

PagePrintout onePicture(const PageImage& picture, const QString& title) {
  PagePrintout out;
  out.pictures << pageSheet(picture);
  out.titles << title;
  return out;
}

PagePrintout chordPagePrintout(const std::string& path, const QString& name, const AppSettings& settings) {
  PageHolders holders = readDiagramPage(path, readChordPageFile);
  if (holders.chordSetCount == 0) return {};
  PageImage image(QSize(kChordPageWidth, kDiagramPageHeight));
  image.setCanvasFont(pageFont(8));
  clearPageImage(image);
  drawChordPageSets(image, holders, NoteNames{}, settings.leftHanded);
  return onePicture(image, "Strumly! Chord Page: " + name);
}

PagePrintout printPagePrintout(const std::string& path, const QString& name, const AppSettings& settings) {
  const PageHolders holders = readDiagramPage(path, readPrintPageFile);
  if (holders.usedPrintCells() == 0) return {};
  PageImage image(QSize(kPrintPageWidth, kDiagramPageHeight));
  image.setCanvasFont(pageFont(7));
  clearPageImage(image);
  for (int row = 0; row < kGridRows; ++row)
    for (int column = 0; column < kGridColumns; ++column)
      drawPrintCell(image, holders.cellAt(column, row), {column, row}, NoteNames{}, settings.scaleFrets,
                    settings.leftHanded);
  return onePicture(image, "Strumly! Print Page: " + name);
}

PagePrintout scalePagePrintout(const std::string& path, const QString& name, const AppSettings& settings) {
  const PageHolders holders = readDiagramPage(path, readScalePageFile);
  if (holders.scaleSetCount == 0) return {};
  PageImage image(QSize(kScalePageWidth, kDiagramPageHeight));
  image.setCanvasFont(pageFont(8));
  clearPageImage(image);
  drawScalePageSets(image, holders, NoteNames{}, settings.scaleFrets, settings.leftHanded);
  return onePicture(image, "Strumly! Scale Page: " + name);
}

PagePrintout playPagePrintoutOf(const std::string& path, const QString& name, const AppSettings& settings) {
  const PlayPageReadResult read = readPlayPage(path);
  if (!read.ok()) throw PageFileNotPrinted{read.error};
  const PlayPageSong& song = *read.song;
  PageImage image(QSize(PlayPageCanvas::kWidth, kPlayImageHeight));
  clearPageImage(image);
  PlayPageCanvas canvas(image);
  canvas.DrawPlayGrid(song.signature);
  canvas.DrawRepeatMarkers(song.signature, song.savedMarkers(), song.loop);
  SlotStyle style;
  style.leftHanded = settings.leftHanded;
  style.smallFont = settings.playPageTinyFont;
  canvas.RedrawPlayPage(song.slots, style);
  PagePrintout out = playPagePrintout(image, name, 1);
  out.lastSheet = kPlayPageCount;
  return out;
}

}  // namespace

PagePrintout printoutOfPageFile(const QString& input, const AppSettings& settings) {
  const QFileInfo info(input);
  const QString name = info.fileName();
  const QString suffix = info.suffix().toLower();
  const std::string path = input.toStdString();
  if (suffix == "cpf") return chordPagePrintout(path, name, settings);
  if (suffix == "gpr" || suffix == "prf") return printPagePrintout(path, name, settings);
  if (suffix == "spf") return scalePagePrintout(path, name, settings);
  if (suffix == "ppf") return playPagePrintoutOf(path, name, settings);
  if (suffix == "vxt") {
    const TabPageReadResult tab = readTabPageFile(path);
    if (!tab.ok()) throw PageFileNotPrinted{tab.error};
    return tabPrintout(tab.file->lines, name);
  }
  if (suffix == "tab" || suffix == "txt") {
    const TabTextReadResult raw = readTabTextFile(path);
    if (!raw.ok) throw PageFileNotPrinted{raw.error};
    return tabPrintout(raw.lines, name);
  }
  throw PageFileNotPrinted{"not a page file this program prints (.cpf .gpr .prf .spf .ppf .vxt .tab .txt)"};
}

}  // namespace strumly::gui
