#include "gui/common/PagePrinter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QThread>
#include <QWidget>
#include <algorithm>
#include <fstream>

#include "core/common/WriteThroughTemporary.h"
#include "core/pages/PrintPageModel.h"
#include "core/playpage/PlayPageLayout.h"
#include "core/tab/TabBlocks.h"
#include "gui/common/CoreText.h"
#include "gui/common/DialogService.h"
#include "gui/common/PageImage.h"

namespace strumly::gui {
namespace {

constexpr int kPlaySheetHeight = 833;

QFont tabFont() {
  QFont font("Courier New", 10);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

// One picture: the title line above, the picture stretched into the target rectangle.
void paintPicture(QPainter& p, const PageSheet& picture, const QString& title, int px, int py) {
  const double aspect = static_cast<double>(picture.height()) / picture.width();
  const int bottom = py + static_cast<int>(8.0 * px * aspect * py / px);
  const QRect target(QPoint(px / 2, py), QPoint(8 * px - 1, bottom - 1));
  const QFontMetrics fm(p.font(), p.device());
  const int titleTop = static_cast<int>(0.7 * py) - fm.height();
  p.setPen(Qt::black);
  p.drawText(px, titleTop + fm.ascent(), title);
  p.save();
  p.translate(target.topLeft());
  p.scale(static_cast<double>(target.width()) / picture.width(),
          static_cast<double>(target.height()) / picture.height());
  p.setClipRect(QRect(QPoint(0, 0), picture.size));
  picture.paint(p);
  p.restore();
}

void paintText(QPainter& p, const QStringList& lines, const TextSheet& sheet) {
  p.setFont(tabFont());
  p.setPen(Qt::black);
  const QFontMetrics fm(p.font(), p.device());
  int y = 0;
  p.drawText(0, y + fm.ascent(), QString::fromStdString(sheet.heading));
  y += fm.height();
  for (std::size_t i = 0; i < sheet.lineCount; ++i) {
    p.drawText(0, y + fm.ascent(), lines[static_cast<int>(sheet.firstLine + i)]);
    y += fm.height();
  }
}

}  // namespace

QStringList printedLines(const PagePrintout& printout, const QPaintDevice& paper) {
  const QFontMetrics fm(tabFont(), &paper);
  const int advance = std::max(1, fm.horizontalAdvance(QLatin1Char('-')));
  const auto columns = static_cast<std::size_t>(std::max(1, paper.width() / advance));
  TabLines lines;
  lines.reserve(static_cast<std::size_t>(printout.lines.size()));
  for (const QString& line : printout.lines) lines.push_back(line.toStdU32String());
  QStringList out;
  for (const TabLine& line : wrapTabLines(lines, columns)) out << QString::fromStdU32String(line);
  return out;
}

int printedSheetCount(const PagePrintout& printout, const QPaintDevice& paper) {
  if (!printout.isText()) return printout.sheetCount();
  return static_cast<int>(textSheetCount(static_cast<std::size_t>(printedLines(printout, paper).size())));
}

int PagePrintout::sheetCount() const {
  if (!pictures.isEmpty()) return static_cast<int>(pictures.size());
  return static_cast<int>(textSheetCount(static_cast<std::size_t>(lines.size())));
}

void PageSheet::paint(QPainter& p) const {
  if (!scene) return;
  p.save();
  const QRect part = band.isNull() ? QRect(QPoint(0, 0), size) : band;
  p.setClipRect(QRect(at, part.size()), Qt::IntersectClip);
  p.translate(at - part.topLeft());
  scene->replay(p, part);
  if (!hiddenFrame.isNull()) {
    const PixelRect& r = hiddenFrame;
    const int w = r.right - r.left, h = r.bottom - r.top;
    for (const QRect& edge : {QRect(r.left, r.top, w, 1), QRect(r.left, r.bottom - 1, w, 1),
                              QRect(r.left, r.top, 1, h), QRect(r.right - 1, r.top, 1, h)})
      p.fillRect(edge, Qt::white);
  }
  p.restore();
}

QImage PageSheet::image(qreal ratio) const {
  QImage picture = whitePagePicture(size, ratio);
  QPainter p(&picture);
  paint(p);
  return picture;
}

bool operator==(const PageSheet& a, const PageSheet& b) {
  return a.size == b.size && a.image() == b.image();
}

PageSheet pageSheet(const PageImage& page) {
  PageSheet sheet;
  sheet.size = page.pageSize();
  sheet.scene = std::make_shared<const PageScene>(page.scene());
  sheet.hiddenFrame = page.selectionFrame();
  return sheet;
}

namespace {

PagePrintout playPageSheets(const std::shared_ptr<const PageScene>& scene, int width, const QString& fileName,
                            int currentPage) {
  PagePrintout out;
  for (int page = 1; page <= kPlayPageCount; ++page) {
    PageSheet sheet;
    sheet.size = QSize(width, kPlaySheetHeight);
    sheet.scene = scene;
    sheet.band = QRect(0, playPageTop(page), width, kPlayPageHeight);
    sheet.at = QPoint(0, page == 1 ? 10 : 21);
    out.pictures << sheet;
    out.titles << QCoreApplication::translate("PagePrinter", "Strumly! Play Page (Page %1):%2")
                      .arg(page)
                      .arg(fileName);
  }
  out.firstSheet = out.lastSheet = std::clamp(currentPage, 1, kPlayPageCount);
  return out;
}

}  // namespace

PagePrintout playPagePrintout(const PageImage& whole, const QString& fileName, int currentPage) {
  return playPageSheets(std::make_shared<const PageScene>(whole.scene()), whole.pageSize().width(), fileName,
                        currentPage);
}

namespace {

// The sheets from..to onto a device a painter has begun on.
void paintSheets(QPainter& p, QPagedPaintDevice& device, const PagePrintout& printout, int from, int to) {
  const int px = device.logicalDpiX();
  const int py = device.logicalDpiY();
  if (printout.isText()) {
    const QStringList lines = printedLines(printout, device);
    const std::vector<TextSheet> sheets =
        textSheets(static_cast<std::size_t>(lines.size()), printout.textTitle.toStdString(), from, to);
    // Wrapped to the paper; a heading too long for it is cut at the edge rather than run off.
    p.setClipRect(QRect(0, 0, device.width(), device.height()));
    for (std::size_t i = 0; i < sheets.size(); ++i) {
      if (i > 0) device.newPage();
      paintText(p, lines, sheets[i]);
    }
  } else {
    for (int sheet = from; sheet <= to; ++sheet) {
      if (sheet > from) device.newPage();
      const auto index = static_cast<qsizetype>(sheet - 1);
      paintPicture(p, printout.pictures[index], printout.titles.value(index), px, py);
    }
  }
}

void preparePrinter(QPrinter& printer, const PagePrintout& printout) {
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setDocName("Strumly!");
  // Pictures are placed from the paper's corner; text from the printable area's corner.
  printer.setFullPage(!printout.isText());
}

}  // namespace

bool paintPrintout(QPrinter& printer, const PagePrintout& printout, int from, int to, QString& error) {
  preparePrinter(printer, printout);
  from = std::max(from, 1);
  to = std::min(to, printedSheetCount(printout, printer));
  QPainter p;
  if (!p.begin(&printer)) {
    error = printer.outputFileName().isEmpty()
                ? QCoreApplication::translate("PagePrinter", "The printer could not be started.")
                : QCoreApplication::translate("PagePrinter", "Could not write %1.")
                      .arg(QDir::toNativeSeparators(printer.outputFileName()));
    return false;
  }
  paintSheets(p, printer, printout, from, to);
  if (!p.end()) {
    error = QCoreApplication::translate("PagePrinter", "The printer stopped before the last page.");
    return false;
  }
  return true;
}

// The PDF is made in memory and written like a save: Qt's PDF engine does not report a write
// that failed, so it never writes to the disk itself.
bool writePrintoutPdf(const PagePrintout& printout, const QString& path, QString& error) {
  // The paper and margins a PDF printer has, so that the file matches what Print to file gives.
  QPrinter paper(QPrinter::HighResolution);
  paper.setOutputFormat(QPrinter::PdfFormat);
  preparePrinter(paper, printout);
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setResolution(paper.resolution());
    writer.setPageLayout(paper.pageLayout());
    writer.setTitle(paper.docName());
    QPainter p;
    if (!p.begin(&writer)) {
      error = QCoreApplication::translate("PagePrinter", "Could not write %1: the PDF could not be started.")
                  .arg(QDir::toNativeSeparators(path));
      return false;
    }
    paintSheets(p, writer, printout, 1, printedSheetCount(printout, writer));
    if (!p.end()) {
      error = QCoreApplication::translate("PagePrinter", "Could not write %1: the PDF could not be finished.")
                  .arg(QDir::toNativeSeparators(path));
      return false;
    }
  }
  const QByteArray& bytes = pdf.data();
  const std::string why =
      writeThroughTemporary(path.toStdString(), [&bytes](const std::filesystem::path& temporary) {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.constData(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        return static_cast<bool>(out);
      });
  error = coreText(why);
  return why.empty();
}

PagePrinter::PagePrinter(DialogService& dialogs, QWidget* window)
    : QObject(window), dialogs_(dialogs), window_(window) {}

PagePrinter::~PagePrinter() {
  for (QThread* job : jobs_) {
    job->wait();
    delete job;
  }
}

void PagePrinter::print(const PagePrintout& printout) {
  if (printout.isEmpty()) return;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  // Without any printer the dialog still offers printing to a PDF file.
  if (QPrinterInfo::availablePrinters().isEmpty()) printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setPrintRange(QPrinter::PageRange);
  // Text wraps to the paper, so its sheets are counted on it.
  const int sheets = printedSheetCount(printout, *printer);
  printer->setFromTo(printout.firstSheet, printout.isText() ? sheets : printout.lastSheet);
  if (!dialogs_.choosePrinter(window_, *printer, 1, sheets)) return;
  const bool toFile = printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty();
  if (!printer->isValid() && !toFile) {
    dialogs_.notice(window_, tr("Printer could not be found"));
    return;
  }
  int from = 1;
  int to = printedSheetCount(printout, *printer);
  if (printer->printRange() == QPrinter::PageRange && printer->fromPage() > 0) {
    from = printer->fromPage();
    to = printer->toPage() > 0 ? printer->toPage() : from;
  }
  spool(std::move(printer), printout, from, to);
}

void PagePrinter::preview(const PagePrintout& printout) {
  if (printout.isEmpty()) return;
  QPrinter printer(QPrinter::HighResolution);
  dialogs_.previewPrint(window_, printer, [printout](QPrinter* target) {
    QString error;
    paintPrintout(*target, printout, 1, printedSheetCount(printout, *target), error);
  });
}

void PagePrinter::exportPdf(const PagePrintout& printout, const QString& folder, const QString& baseName) {
  if (printout.isEmpty()) return;
  const QString path =
      dialogs_.saveFileName(window_, tr("Export PDF"), QDir(folder).filePath(baseName + ".pdf"),
                            tr("PDF Files") + " (*.pdf)", "pdf");
  if (path.isEmpty()) return;
  QString error;
  if (!writePrintoutPdf(printout, path, error)) dialogs_.notice(window_, error);
}

void PagePrinter::spool(std::unique_ptr<QPrinter> printer, const PagePrintout& printout, int from, int to) {
  auto error = std::make_shared<QString>();
  QPrinter* raw = printer.release();
  QThread* job = QThread::create([raw, printout, from, to, error] {
    paintPrintout(*raw, printout, from, to, *error);
    delete raw;
  });
  jobs_.push_back(job);
  connect(job, &QThread::finished, this, [this, job, error] {
    jobs_.erase(std::remove(jobs_.begin(), jobs_.end(), job), jobs_.end());
    job->deleteLater();
    if (!error->isEmpty()) dialogs_.notice(window_, *error);
    Q_EMIT jobFinished(*error);
  });
  job->start();
}

}  // namespace strumly::gui
