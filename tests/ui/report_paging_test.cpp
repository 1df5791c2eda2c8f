// Where the report's pages break, on columns of pieces one unit tall (headers as given).

#include <gtest/gtest.h>

#include "ui/print/report_paging.h"

namespace px {
namespace {

// A column built top to bottom.
class Column {
 public:
  Column& Paragraph(double rHeight = 1) { return Add(PieceKind::Paragraph, rHeight); }
  Column& Heading() { return Add(PieceKind::Heading, 1); }
  // A table of rRows body rows one unit tall, under a header row rHeader tall (0: none).
  Column& Table(int rRows, double rHeader = 1) {
    const double headerTop = mBottom;
    if (rHeader > 0) Add(PieceKind::HeaderRow, rHeader);
    for (int r = 0; r < rRows; ++r) {
      Add(PieceKind::Row, 1);
      PagePiece& row = mPieces.back();
      row.Row = r;
      row.Rows = rRows;
      row.HeaderTop = headerTop;
      row.HeaderBottom = headerTop + rHeader;
    }
    return *this;
  }
  const std::vector<PagePiece>& Pieces() const { return mPieces; }

 private:
  Column& Add(PieceKind rKind, double rHeight) {
    PagePiece piece;
    piece.Kind = rKind;
    piece.Top = mBottom;
    piece.Bottom = mBottom + rHeight;
    mPieces.push_back(piece);
    mBottom = piece.Bottom;
    return *this;
  }
  std::vector<PagePiece> mPieces;
  double mBottom = 0;
};

struct Page {
  std::size_t First;
  std::size_t End;
  bool Header;
  bool operator==(const Page&) const = default;
};

std::vector<Page> Pages(const std::vector<PageSlice>& rSlices) {
  std::vector<Page> pages;
  for (const PageSlice& slice : rSlices) pages.push_back({slice.First, slice.End, slice.Header});
  return pages;
}

TEST(ReportPaging, BreaksKeepHeadingsAndTableEndsTogether) {
  const struct {
    const char* Name;
    Column Pieces;
    double PageHeight;
    std::vector<Page> Expected;
  } cases[] = {
      // A heading, the header row and one row would fit under the paragraph: all three
      // go over with two more rows; the table's last three rows share the last page.
      {"heading keeps three rows", Column().Paragraph(7).Heading().Table(10), 10,
       {{0, 1, false}, {1, 10, false}, {10, 13, true}}},
      // Nine rows fit, which would leave one: the break moves up so that three go over.
      {"no two rows alone", Column().Heading().Table(10, 0), 10, {{0, 8, false}, {8, 11, false}}},
      {"a small table stays whole", Column().Paragraph(6).Heading().Table(5), 10,
       {{0, 1, false}, {1, 8, false}}},
      // A section title over a table title over the table: all one chain.
      {"headings chain", Column().Paragraph(5).Heading().Heading().Table(8), 10,
       {{0, 1, false}, {1, 9, false}, {9, 12, true}}},
      // The repeated header row, three units tall, counts on each continuing page.
      {"repeated header counts", Column().Table(20, 3), 10,
       {{0, 8, false}, {8, 15, true}, {15, 21, true}}},
      // Eleven paragraphs: the last page takes three, not one.
      {"last page not a single line", Column().Paragraph().Paragraph().Paragraph().Paragraph()
                                          .Paragraph().Paragraph().Paragraph().Paragraph()
                                          .Paragraph().Paragraph().Paragraph(), 10,
       {{0, 8, false}, {8, 11, false}}},
      // Nowhere to break inside a run of headings taller than a page: cut where it is full.
      {"forced where nothing may break", Column().Heading().Heading().Heading().Heading().Heading()
                                             .Heading().Heading().Paragraph(), 5,
       {{0, 5, false}, {5, 8, false}}},
      {"one page", Column().Heading().Table(2), 10, {{0, 4, false}}},
      {"nothing", Column(), 10, {{0, 0, false}}},
  };
  for (const auto& c : cases) {
    const std::vector<PagePiece>& pieces = c.Pieces.Pieces();
    const std::vector<PageSlice> slices = BreakPages(pieces, c.PageHeight);
    EXPECT_EQ(Pages(slices), c.Expected) << c.Name;
    // Every piece once, in order, and every page within its height.
    std::size_t next = 0;
    for (const PageSlice& slice : slices) {
      EXPECT_EQ(slice.First, next) << c.Name;
      next = slice.End;
      if (slice.First == slice.End) continue;
      const PagePiece& first = pieces[slice.First];
      const double header = slice.Header ? first.HeaderBottom - first.HeaderTop : 0;
      EXPECT_LE(pieces[slice.End - 1].Bottom - first.Top + header, c.PageHeight) << c.Name;
    }
    EXPECT_EQ(next, pieces.size()) << c.Name;
  }
}

}  // namespace
}  // namespace px
