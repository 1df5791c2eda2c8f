#include "ui/print/report_paging.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>
#include <vector>

namespace px {
namespace {

// A heading keeps this many of its rows on its page; a split leaves at least as many.
constexpr std::size_t kKeptRows = 2;

using PieceKey = std::tuple<std::size_t, std::size_t, std::size_t>;  // section, table, first row

PieceKey KeyOf(const ReportPiece& rPiece) { return {rPiece.Section, rPiece.Table, rPiece.FirstRow}; }

QString ToQ(const std::string& rText) { return QString::fromUtf8(rText.data(), static_cast<qsizetype>(rText.size())); }

// The laid-out document: its tables in document order and the heading that leads each.
struct Laid {
  std::vector<QTextTable*> Tables;
  std::vector<QTextBlock> Leads;  // per table: its section heading, its title or none
};

Laid Look(QTextDocument& rDocument, const std::vector<ReportPiece>& rPieces) {
  Laid laid;
  for (QTextFrame* frame : rDocument.rootFrame()->childFrames())
    if (auto* table = qobject_cast<QTextTable*>(frame)) laid.Tables.push_back(table);
  std::vector<QTextBlock> sections, titles;
  for (QTextBlock block = rDocument.begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level == 2) sections.push_back(block);
    if (level == 3) titles.push_back(block);
  }
  std::size_t title = 0;
  for (std::size_t i = 0; i < rPieces.size(); ++i) {
    const ReportPiece& piece = rPieces[i];
    QTextBlock lead;
    const bool opensSection = piece.Section != kReportFacts && (i == 0 || rPieces[i - 1].Section != piece.Section);
    if (piece.Titled && title < titles.size()) lead = titles[title++];
    if (opensSection && piece.Section < sections.size()) lead = sections[piece.Section];
    laid.Leads.push_back(lead);
  }
  return laid;
}

class Pager {
 public:
  Pager(QTextDocument& rDocument, double rPageHeight) : mDocument(rDocument), mPage(rPageHeight) {}

  int PageOf(double rY) const { return static_cast<int>(std::floor((rY + 0.01) / mPage)); }
  double Top(const QTextBlock& rBlock) const { return mDocument.documentLayout()->blockBoundingRect(rBlock).top(); }
  double RowTop(QTextTable* rTable, int rRow) const {
    return Top(rTable->cellAt(rRow, 0).firstCursorPosition().block());
  }

 private:
  QTextDocument& mDocument;
  double mPage;
};

void BreakBefore(QTextTable* rTable, const QTextBlock& rLead) {
  if (rLead.isValid()) {
    QTextBlockFormat format = rLead.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(rLead).setBlockFormat(format);
    return;
  }
  QTextTableFormat format = rTable->format();
  format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  rTable->setFormat(format);
}

}  // namespace

void LayOutReportPages(QTextDocument& rDocument, const Report& rReport) {
  const double pageHeight = rDocument.pageSize().height();
  ReportSplits splits;
  std::set<PieceKey> breaks;   // pieces (with their heading) that begin a page
  std::set<PieceKey> natural;  // pieces that begin a page without a break
  // Each round moves one break; a report has far fewer page ends than this.
  for (int round = 0; round < 1000; ++round) {
    const std::vector<ReportPiece> pieces = ReportPieces(rReport, splits);
    rDocument.setHtml(ToQ(ReportHtml(rReport, splits)));
    Laid laid = Look(rDocument, pieces);
    if (laid.Tables.size() != pieces.size() || pageHeight <= 0) return;
    for (std::size_t i = 0; i < pieces.size(); ++i)
      if (breaks.count(KeyOf(pieces[i])) != 0) BreakBefore(laid.Tables[i], laid.Leads[i]);
    (void)rDocument.pageCount();  // lays the document out

    const Pager pager(rDocument, pageHeight);
    bool moved = false;
    // A break before what would begin a page anyway leaves a blank page: it is taken back.
    for (std::size_t i = 1; i < pieces.size() && !moved; ++i) {
      if (breaks.count(KeyOf(pieces[i])) == 0) continue;
      const QTextBlock& lead = laid.Leads[i];
      const int starts = pager.PageOf(lead.isValid() ? pager.Top(lead) : pager.RowTop(laid.Tables[i], 0));
      QTextTable* before = laid.Tables[i - 1];
      if (starts > pager.PageOf(pager.RowTop(before, before->rows() - 1)) + 1) {
        breaks.erase(KeyOf(pieces[i]));
        natural.insert(KeyOf(pieces[i]));
        moved = true;
      }
    }
    for (std::size_t i = 0; i < pieces.size() && !moved; ++i) {
      const ReportPiece& piece = pieces[i];
      QTextTable* table = laid.Tables[i];
      const int head = piece.Header ? 1 : 0;
      const int rows = table->rows();
      const bool broken = breaks.count(KeyOf(piece)) != 0 || natural.count(KeyOf(piece)) != 0;
      // A heading on the page of its first rows.
      if (laid.Leads[i].isValid() && !broken) {
        const int kept = std::min(rows, head + static_cast<int>(kKeptRows)) - 1;
        if (pager.PageOf(pager.Top(laid.Leads[i])) != pager.PageOf(pager.RowTop(table, kept))) {
          breaks.insert(KeyOf(piece));
          moved = true;
          break;
        }
      }
      // The first row on a later page than the table's start: the table is split before it.
      const int page = pager.PageOf(pager.RowTop(table, 0));
      int over = -1;
      for (int r = 1; r < rows && over < 0; ++r)
        if (pager.PageOf(pager.RowTop(table, r)) != page) over = r;
      if (over < 0 || piece.Section == kReportFacts) continue;
      std::size_t split = static_cast<std::size_t>(std::max(0, over - head));
      // The rows that go on leave at least two, and so do the ones that stay.
      if (piece.RowCount - split < kKeptRows) split = piece.RowCount >= kKeptRows ? piece.RowCount - kKeptRows : 0;
      if (split < kKeptRows && piece.RowCount > split) split = 0;
      if (split == 0) {
        // Nothing worth keeping fits: the whole table (and its heading) goes to the next page.
        if (broken) continue;
        breaks.insert(KeyOf(piece));
      } else {
        splits.insert({piece.Section, piece.Table, piece.FirstRow + split});
        if (natural.count({piece.Section, piece.Table, piece.FirstRow + split}) == 0)
          breaks.insert({piece.Section, piece.Table, piece.FirstRow + split});
      }
      moved = true;
    }
    if (!moved) return;
  }
}

}  // namespace px
