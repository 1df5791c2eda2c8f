#include "ui/print/report_render.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <limits>

#include "app/language.h"
#include "codeplug/output_file.h"
#include "ui/print/pdf_text_map.h"
#include "ui/print/report_paging.h"

namespace px {
namespace {

constexpr double kBodyPoints = 8.5;
constexpr double kMarginMm = 14.0;

// Fonts the PDF embeds as subsets: Chinese needs a CJK face; the Latin face first keeps
// the digits and names of the English report in a familiar shape.
QFont ReportFont(int rLanguageIndex) {
  QFont font;
  QStringList families;
  if (rLanguageIndex == kChinese) families << QStringLiteral("Noto Sans CJK SC");
  families << QStringLiteral("DejaVu Sans") << QStringLiteral("Noto Sans CJK SC");
  font.setFamilies(families);
  font.setPointSizeF(kBodyPoints);
  // No ligatures: "fl" and "ff" must copy out of the PDF as the letters they are.
  font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::PreferNoShaping));
  return font;
}

QString ToQ(const std::string& rText) { return QString::fromUtf8(rText.data(), static_cast<qsizetype>(rText.size())); }

// Every text the report shows, page numbers included.
QString ShownText(const Report& rReport) {
  QString shown = QStringLiteral("0123456789 /") + ToQ(rReport.Title);
  const auto rows = [&shown](const std::vector<ReportRow>& rRows) {
    for (const ReportRow& row : rRows) shown += ToQ(row.Label) + ToQ(row.Value);
  };
  rows(rReport.Facts);
  for (const ReportSection& section : rReport.Sections) {
    shown += ToQ(section.Title);
    rows(section.Rows);
    for (const ReportTable& table : section.Tables) {
      shown += ToQ(table.Title);
      for (const std::string& head : table.Header) shown += ToQ(head);
      for (const auto& row : table.Rows)
        for (const std::string& cell : row) shown += ToQ(cell);
    }
  }
  return shown;
}

// Each face the report draws with, regular and bold (the headings).
std::vector<QFont> ReportFaces(int rLanguageIndex) {
  std::vector<QFont> faces;
  QStringList families = ReportFont(rLanguageIndex).families();
  families.removeDuplicates();
  for (const QString& family : families) {
    for (const bool bold : {false, true}) {
      QFont face(family);
      face.setBold(bold);
      faces.push_back(face);
    }
  }
  return faces;
}

// The rows of rTable as pieces. A row runs from just under the rule above it to the foot
// of the rule under it, so that a page ending with a row closes the table and a page
// continuing it draws no rule twice under the repeated header row. The rows' places come
// from their cells' text, one padding under the rule above: the table's frame rectangle
// leaves out its outer rule and padding.
void AddTableRows(QAbstractTextDocumentLayout& rLayout, QTextTable& rTable, double rDeviceScale,
                  std::vector<PagePiece>& rPieces) {
  const int rows = rTable.rows();
  if (rows == 0) return;
  const QTextTableFormat format = rTable.format();
  const auto count = static_cast<std::size_t>(rows);
  std::vector<double> textTops(count, std::numeric_limits<double>::max());
  double lastTextBottom = 0;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < rTable.columns(); ++c) {
      const QTextTableCell cell = rTable.cellAt(r, c);
      if (cell.row() != r) continue;  // spanned from a row above
      double& top = textTops[static_cast<std::size_t>(r)];
      top = std::min(top, rLayout.blockBoundingRect(cell.firstCursorPosition().block()).top());
      if (r == rows - 1)
        lastTextBottom = std::max(lastTextBottom, rLayout.blockBoundingRect(cell.lastCursorPosition().block()).bottom());
    }
  }
  const double padding = format.cellPadding() * rDeviceScale;
  const double rule = format.border() * rDeviceScale;
  std::vector<double> edges(count + 1);
  edges.front() = textTops.front() - padding - rule;
  edges.back() = lastTextBottom + padding + rule;
  for (std::size_t r = 1; r < count; ++r) edges[r] = textTops[r] - padding;

  const int headerRows = std::min(format.headerRowCount(), rows);
  const double headerBottom = edges[static_cast<std::size_t>(headerRows)];
  for (int r = 0; r < rows; ++r) {
    PagePiece piece;
    piece.Top = edges[static_cast<std::size_t>(r)];
    piece.Bottom = edges[static_cast<std::size_t>(r) + 1];
    if (r < headerRows) {
      piece.Kind = PieceKind::HeaderRow;
    } else {
      piece.Kind = PieceKind::Row;
      piece.Row = r - headerRows;
      piece.Rows = rows - headerRows;
      piece.HeaderTop = edges.front();
      piece.HeaderBottom = headerBottom;
    }
    rPieces.push_back(piece);
  }
}

// The laid-out report as the pieces its pages may break between, top to bottom.
std::vector<PagePiece> PiecesOf(QTextDocument& rDocument, double rDeviceScale) {
  QAbstractTextDocumentLayout& layout = *rDocument.documentLayout();
  std::vector<PagePiece> pieces;
  for (QTextFrame::iterator it = rDocument.rootFrame()->begin(); !it.atEnd(); ++it) {
    if (QTextFrame* frame = it.currentFrame()) {
      if (auto* table = qobject_cast<QTextTable*>(frame)) {
        AddTableRows(layout, *table, rDeviceScale, pieces);
      } else {
        const QRectF rect = layout.frameBoundingRect(frame);
        pieces.push_back({PieceKind::Paragraph, rect.top(), rect.bottom()});
      }
      continue;
    }
    const QTextBlock block = it.currentBlock();
    if (block.text().trimmed().isEmpty()) continue;  // the empty paragraphs around tables
    const QRectF rect = layout.blockBoundingRect(block);
    pieces.push_back({block.blockFormat().headingLevel() > 0 ? PieceKind::Heading : PieceKind::Paragraph,
                      rect.top(), rect.bottom()});
  }
  return pieces;
}

// Paints the band rTop..rBottom of the laid-out report with its top at rAt.
void PaintBand(QPainter& rPainter, QAbstractTextDocumentLayout& rLayout, double rWidth, double rTop,
               double rBottom, double rAt) {
  rPainter.save();
  rPainter.translate(0, rAt - rTop);
  QAbstractTextDocumentLayout::PaintContext context;
  context.clip = QRectF(0, rTop, rWidth, rBottom - rTop);
  rPainter.setClipRect(context.clip);
  context.palette.setColor(QPalette::Text, Qt::black);
  rLayout.draw(&rPainter, context);
  rPainter.restore();
}

}  // namespace

QPageSize PageSizeOf(ReportPaper rPaper) {
  return QPageSize(rPaper == ReportPaper::Letter ? QPageSize::Letter : QPageSize::A4);
}

ReportDocument::ReportDocument(const Report& rReport, int rLanguageIndex)
    : mReport(rReport), mLanguage(rLanguageIndex), mDocument(std::make_unique<QTextDocument>()) {}

ReportDocument::~ReportDocument() = default;

int ReportDocument::Paint(QPagedPaintDevice& rDevice) {
  QTextDocument& doc = *mDocument;
  doc.documentLayout()->setPaintDevice(&rDevice);
  const QFont font = ReportFont(mLanguage);
  doc.setDefaultFont(font);
  doc.setDocumentMargin(0);
  doc.setHtml(ToQ(ReportHtml(mReport)));

  const int dpi = rDevice.logicalDpiY();
  const QRectF paper = rDevice.pageLayout().paintRectPixels(dpi);
  QFont small = font;
  small.setPointSizeF(7.5);
  const QFontMetricsF metrics(small, &rDevice);
  const double band = metrics.height() * 2.2;  // header and footer bands
  const QSizeF body(paper.width(), paper.height() - 2 * band);
  // One tall column, laid out once; the pages are cut from it between rows.
  doc.setPageSize(QSizeF(body.width(), -1));
  const std::vector<PagePiece> pieces = PiecesOf(doc, dpi / 96.0);
  const std::vector<PageSlice> slices = BreakPages(pieces, body.height());
  const int pages = static_cast<int>(slices.size());

  const QString title = ToQ(mReport.Title);
  const QString file = mReport.Facts.empty() ? QString() : ToQ(mReport.Facts.front().Value);
  QPainter painter(&rDevice);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const QPen rule(QColor(120, 120, 120), std::max(1.0, dpi / 150.0));
  for (int page = 0; page < pages; ++page) {
    if (page > 0) rDevice.newPage();
    painter.setFont(small);
    painter.setPen(QColor(60, 60, 60));
    const QRectF head(0, 0, body.width(), metrics.height());
    painter.drawText(head, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.drawText(head, Qt::AlignRight | Qt::AlignVCenter, file);
    painter.setPen(rule);
    painter.drawLine(QPointF(0, metrics.height() * 1.4), QPointF(body.width(), metrics.height() * 1.4));
    const double footTop = band + body.height();
    painter.drawLine(QPointF(0, footTop + metrics.height() * 0.8), QPointF(body.width(), footTop + metrics.height() * 0.8));
    painter.setPen(QColor(60, 60, 60));
    const QRectF foot(0, footTop + metrics.height(), body.width(), metrics.height());
    painter.drawText(foot, Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("%1 / %2").arg(page + 1).arg(pages));

    const PageSlice& slice = slices[static_cast<std::size_t>(page)];
    if (slice.First == slice.End) continue;
    const PagePiece& first = pieces[slice.First];
    double at = band;
    if (slice.Header) {
      PaintBand(painter, *doc.documentLayout(), body.width(), first.HeaderTop, first.HeaderBottom, at);
      at += first.HeaderBottom - first.HeaderTop;
    }
    PaintBand(painter, *doc.documentLayout(), body.width(), first.Top, pieces[slice.End - 1].Bottom, at);
  }
  painter.end();
  return pages;
}

bool WriteReportPdf(const Report& rReport, int rLanguageIndex, ReportPaper rPaper,
                    const QString& rPath, std::string& rError, int* rPages) {
  // A save file is renamed over its target: a pipe or device there would be replaced.
  if (std::string problem = OutputTargetProblem(rPath.toStdString()); !problem.empty()) {
    rError = std::move(problem);
    return false;
  }
  QSaveFile file(rPath);
  if (!file.open(QIODevice::WriteOnly)) {
    rError = "cannot write " + rPath.toStdString() + ": " + file.errorString().toStdString();
    return false;
  }
  int pages = 0;
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(PageSizeOf(rPaper), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    writer.setResolution(600);
    writer.setTitle(ToQ(rReport.Title));
    writer.setCreator(QStringLiteral("px4800-cps"));
    ReportDocument document(rReport, rLanguageIndex);
    pages = document.Paint(writer);
  }
  MendToUnicodeMaps(pdf, SharedGlyphMending(ShownText(rReport), ReportFaces(rLanguageIndex)));
  if (file.write(pdf) != pdf.size()) {
    rError = "cannot write " + rPath.toStdString() + ": " + file.errorString().toStdString();
    return false;
  }
  if (!file.commit()) {
    rError = "cannot write " + rPath.toStdString() + ": " + file.errorString().toStdString();
    return false;
  }
  if (rPages) *rPages = pages;
  return true;
}

}  // namespace px
