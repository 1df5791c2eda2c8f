#pragma once
// The report laid out once as one tall document, cut into pages between its rows
// (report_paging.h) and painted page by page, with a header (title and file name) and a
// footer (page n of N), onto a printer, a preview or a PDF file.

#include <QString>

#include <memory>
#include <string>

#include "edit/report.h"

class QPagedPaintDevice;
class QPageSize;
class QTextDocument;

namespace px {

enum class ReportPaper { A4, Letter };

QPageSize PageSizeOf(ReportPaper rPaper);

// The HTML document of rReport, laid out for rDevice's page (paper, margins, resolution)
// in the fonts of rLanguageIndex. Needs a QGuiApplication.
class ReportDocument {
 public:
  ReportDocument(const Report& rReport, int rLanguageIndex);
  ~ReportDocument();

  // Lays out for rDevice, breaks the pages and paints every one; returns their number.
  int Paint(QPagedPaintDevice& rDevice);

 private:
  Report mReport;
  int mLanguage;
  std::unique_ptr<QTextDocument> mDocument;
};

// Writes the report as a PDF file (through a temporary file and a rename). False with
// rError set when the file cannot be written. rPages, when given, gets the page count.
bool WriteReportPdf(const Report& rReport, int rLanguageIndex, ReportPaper rPaper,
                    const QString& rPath, std::string& rError, int* rPages = nullptr);

}  // namespace px
