#pragma once
// Where the report's pages end. The HTML document is laid out, looked at and laid out
// again until: a heading stands on the page of at least its first two rows; no table
// runs over a page's foot by itself (it is split there and goes on under its repeated
// header, so that no page ends in an empty bordered band); and no split leaves a single
// row on its own.

#include "edit/report.h"

class QTextDocument;

namespace px {

// Sets rDocument's contents to rReport with the page breaks above, for the page size the
// caller has set on rDocument.
void LayOutReportPages(QTextDocument& rDocument, const Report& rReport);

}  // namespace px
