#include "ui/print/report_paging.h"

namespace px {
namespace {

// Rounding in the layout must not push a piece that fits exactly onto the next page.
constexpr double kFitSlack = 1e-6;
constexpr std::size_t kLastPagePieces = kRowsTogether;

bool RepeatsHeader(const PagePiece& rPiece) {
  return rPiece.Kind == PieceKind::Row && rPiece.HeaderBottom > rPiece.HeaderTop;
}

class Breaker {
 public:
  Breaker(const std::vector<PagePiece>& rPieces, double rPageHeight)
      : mPieces(rPieces), mPageHeight(rPageHeight) {}

  // A page may end before piece rAt.
  bool MayBreakBefore(std::size_t rAt) const {
    if (rAt == 0 || rAt >= mPieces.size()) return true;
    const PagePiece& before = mPieces[rAt - 1];
    const PagePiece& piece = mPieces[rAt];
    if (before.Kind == PieceKind::Heading) return false;
    if (piece.Kind != PieceKind::Row) return true;
    if (piece.Row == 0) return before.Kind != PieceKind::HeaderRow;
    return piece.Row >= kRowsTogether && piece.Row <= piece.Rows - kRowsTogether;
  }

  bool Fits(std::size_t rFirst, std::size_t rEnd) const {
    const PagePiece& first = mPieces[rFirst];
    double height = mPieces[rEnd - 1].Bottom - first.Top;
    if (RepeatsHeader(first)) height += first.HeaderBottom - first.HeaderTop;
    return height <= mPageHeight + kFitSlack;
  }

  // The end of the page starting at rFirst: as many pieces as fit, then back to the last
  // place a page may end; where no such place is, the page is cut where it is full.
  std::size_t PageEnd(std::size_t rFirst) const {
    std::size_t end = rFirst + 1;
    while (end < mPieces.size() && Fits(rFirst, end + 1)) ++end;
    if (end == mPieces.size()) return end;
    for (std::size_t cut = end; cut > rFirst; --cut)
      if (MayBreakBefore(cut)) return cut;
    return end;
  }

  // Moves the last break up so that the last page holds kRowsTogether pieces, where the
  // rules and the page allow.
  void FillLastPage(std::vector<PageSlice>& rPages) const {
    const std::size_t count = mPieces.size();
    if (rPages.size() < 2 || count < kLastPagePieces) return;
    PageSlice& last = rPages.back();
    PageSlice& before = rPages[rPages.size() - 2];
    if (last.End - last.First >= kLastPagePieces) return;
    for (std::size_t cut = count - kLastPagePieces; cut > before.First; --cut) {
      if (!MayBreakBefore(cut) || !Fits(cut, count)) continue;
      before.End = cut;
      last.First = cut;
      last.Header = RepeatsHeader(mPieces[cut]);
      return;
    }
  }

 private:
  const std::vector<PagePiece>& mPieces;
  double mPageHeight;
};

}  // namespace

std::vector<PageSlice> BreakPages(const std::vector<PagePiece>& rPieces, double rPageHeight) {
  if (rPieces.empty()) return {PageSlice{}};
  const Breaker breaker(rPieces, rPageHeight);
  std::vector<PageSlice> pages;
  for (std::size_t first = 0; first < rPieces.size();) {
    const std::size_t end = breaker.PageEnd(first);
    pages.push_back({first, end, RepeatsHeader(rPieces[first])});
    first = end;
  }
  breaker.FillLastPage(pages);
  return pages;
}

}  // namespace px
