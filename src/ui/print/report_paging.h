#pragma once
// Where the printed report's pages break. The report is laid out once as one tall column;
// the column is then cut into pages between its pieces (a heading, a paragraph, one row
// of a table) top to bottom in a single pass:
// - a heading stays on the page of what follows it;
// - a table keeps its first kRowsTogether body rows with its header row, and its last
//   kRowsTogether rows together (a smaller table stays whole);
// - the last page holds at least kRowsTogether pieces;
// - a page that continues a table with a header row repeats that header row on top.
// A run of pieces too tall for one page is cut where the page is full.

#include <cstddef>
#include <vector>

namespace px {

inline constexpr int kRowsTogether = 3;

enum class PieceKind { Heading, Paragraph, HeaderRow, Row };

// Coordinates are those of the laid-out column, growing downwards.
struct PagePiece {
  PieceKind Kind = PieceKind::Paragraph;
  double Top = 0;     // where a page starting with this piece begins
  double Bottom = 0;  // where a page ending with this piece ends
  // A Row: its place among its table's body rows and their count, and the table's header
  // row (HeaderTop == HeaderBottom when the table has none).
  int Row = 0;
  int Rows = 0;
  double HeaderTop = 0;
  double HeaderBottom = 0;
};

// One page: pieces [First, End), under the repeated header row when Header is set.
struct PageSlice {
  std::size_t First = 0;
  std::size_t End = 0;
  bool Header = false;
};

// The pages for rPieces (in column order) on pages rPageHeight tall. Every piece lands on
// exactly one page, in order; at least one page, even for no pieces.
std::vector<PageSlice> BreakPages(const std::vector<PagePiece>& rPieces, double rPageHeight);

}  // namespace px
