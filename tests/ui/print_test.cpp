// The printed report rendered offscreen to PDF and read back with poppler, and the
// print dialog's selection rules.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "app/bands.h"
#include "edit/book_rules.h"
#include "edit/channel_rows.h"
#include "support/full_report_test.h"
#include "support/language_home.h"
#include "support/pdf_text.h"
#include "ui/kit/message_service.h"
#include "ui/print/frm_print.h"
#include "ui/print/report_render.h"

namespace px {
namespace {

class PrintedReport : public test::FullReportTest {
 protected:
  std::string Render(int rLanguage, ReportPaper rPaper = ReportPaper::A4,
                     std::vector<std::string> rPages = AllReportPageKeys()) {
    SetLanguage(mState, rLanguage);
    const std::string path = mDir.File(rLanguage == kChinese ? "zh.pdf" : "en.pdf");
    std::string error;
    EXPECT_TRUE(WriteReportPdf(BuildReport(mState, mEmbedded, rPages), rLanguage, rPaper,
                               QString::fromStdString(path), error, &mPages)) << error;
    return path;
  }
  // The grid texts of the channel with rNumber.
  ChannelRowTexts RowOf(int rNumber) {
    for (int s = 0; s < mState.Current.ChannelCount; ++s)
      if (mState.Channels[static_cast<std::size_t>(s)].Number == rNumber)
        return ChannelRowOf(mState, mState.Channels[static_cast<std::size_t>(s)]);
    ADD_FAILURE() << rNumber;
    return {};
  }

  int mPages = 0;
};

TEST_F(PrintedReport, EnglishPdfShowsAndCopiesEveryPart) {
  const std::string path = Render(kEnglish);
  const std::string text = test::PdfText(path);
  EXPECT_NE(text.find("NR_6240 Radio Programming Information"), std::string::npos);
  EXPECT_NE(text.find("fleet.dat"), std::string::npos);
  EXPECT_NE(text.find(mState.Band.Text), std::string::npos) << mState.Band.Text;
  for (int number : {1, 57, 200, 203}) {
    const ChannelRowTexts row = RowOf(number);
    EXPECT_NE(text.find(row[kColRx]), std::string::npos) << row[kColRx];
    EXPECT_NE(text.find(row[kColTx]), std::string::npos) << row[kColTx];
    if (!row[kColName].empty()) {
      EXPECT_NE(text.find(row[kColName]), std::string::npos) << row[kColName];
    }
    EXPECT_NE(text.find(row[kColStep]), std::string::npos) << row[kColStep];
  }
  EXPECT_NE(text.find(mState.Current.Book[1].Name.Display()), std::string::npos);
  EXPECT_NE(text.find("Communication Book"), std::string::npos);
  EXPECT_NE(text.find("SER0042"), std::string::npos);
  EXPECT_EQ(test::PdfPageCount(path), mPages);
  EXPECT_NE(test::PdfInfo(path).find("(A4)"), std::string::npos);
  EXPECT_TRUE(test::PdfFontsAllEmbedded(path)) << test::PdfFonts(path);
}

TEST_F(PrintedReport, ChineseTextIsRealTextInAnEmbeddedFont) {
  const std::string path = Render(kChinese, ReportPaper::Letter);
  const std::string text = test::PdfText(path);
  EXPECT_NE(text.find("NR_6240 对讲机编程信息"), std::string::npos) << text.substr(0, 400);
  EXPECT_NE(text.find("信道信息"), std::string::npos);
  EXPECT_NE(text.find("通信簿"), std::string::npos);
  EXPECT_NE(text.find("序列号"), std::string::npos);
  EXPECT_NE(text.find(RowOf(12)[kColRx]), std::string::npos);
  EXPECT_NE(text.find(mState.Current.Book[2].Name.Display()), std::string::npos);
  EXPECT_NE(test::PdfInfo(path).find("letter"), std::string::npos);
  const std::string fonts = test::PdfFonts(path);
  EXPECT_NE(fonts.find("CJK"), std::string::npos) << fonts;
  EXPECT_TRUE(test::PdfFontsAllEmbedded(path)) << fonts;
}

TEST_F(PrintedReport, LongTablesRepeatTheirHeaderOnEveryPage) {
  const std::string path = Render(kEnglish, ReportPaper::A4, {"channels"});
  ASSERT_GE(mPages, 3);
  const std::string header = ChannelHeaderTexts(mState)[kColName];
  for (int page = 1; page <= mPages; ++page) {
    const std::string text = test::PdfText(path, page, page);
    EXPECT_NE(text.find(header), std::string::npos) << "page " << page;
    std::string packed = text;
    std::erase(packed, ' ');
    EXPECT_NE(packed.find(std::to_string(page) + "/" + std::to_string(mPages)), std::string::npos) << page;
  }
  // The last channel comes on the last page only once.
  const std::string last = test::PdfText(path, mPages, mPages);
  EXPECT_NE(last.find("VFO"), std::string::npos);
}

TEST_F(PrintedReport, UnwritablePdfFailsWithTheReason) {
  std::string error;
  EXPECT_FALSE(WriteReportPdf(BuildReport(mState, mEmbedded, {"book"}), kEnglish, ReportPaper::A4,
                              QString::fromStdString(mDir.File("no/such/dir/r.pdf")), error));
  EXPECT_NE(error.find("r.pdf"), std::string::npos);
}

class PrintDialog : public PrintedReport {
 protected:
  QCheckBox* Check(FrmPrint& rDialog, std::size_t rIndex) {
    return rDialog.findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(rIndex));
  }
  void Click(FrmPrint& rDialog, const char* rButton) {
    auto* button = rDialog.findChild<QPushButton*>(QString::fromLatin1(rButton));
    ASSERT_NE(button, nullptr) << rButton;
    QTest::mouseClick(button, Qt::LeftButton);
  }
};

TEST_F(PrintDialog, SelectionRules) {
  FrmPrint dialog(mState, mEmbedded);
  const auto pages = ReportPages();
  for (std::size_t i = 0; i < pages.size(); ++i) {
    ASSERT_NE(Check(dialog, i), nullptr);
    EXPECT_EQ(Check(dialog, i)->text().toStdString(), ReportPageTitle(mState, pages[i]));
  }
  EXPECT_EQ(dialog.ChosenPages(), AllReportPageKeys());  // all chosen at first
  Click(dialog, "CommandClearAll");
  EXPECT_TRUE(dialog.ChosenPages().empty());

  // Nothing chosen: every output button says so and does nothing else.
  ScriptedMessages messages;
  for (const char* button : {"CommandPdf", "CommandPreview", "CommandPrint"}) Click(dialog, button);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>(3, "Please select printing items."));
  EXPECT_EQ(messages.Requests.size(), 3u);

  Check(dialog, 1)->setChecked(true);
  Check(dialog, 0)->setChecked(true);
  EXPECT_EQ(dialog.ChosenPages(), (std::vector<std::string>{std::string(pages[0].Key), std::string(pages[1].Key)}));
  Click(dialog, "CommandSelectAll");
  EXPECT_EQ(dialog.ChosenPages(), AllReportPageKeys());
}

TEST_F(PrintDialog, SaveAsPdfThroughTheFileDialog) {
  SetLanguage(mState, kChinese);
  FrmPrint dialog(mState, mEmbedded);
  EXPECT_EQ(dialog.findChild<QPushButton*>("CommandSelectAll")->text().toStdString(), "选择所有(&A)");
  dialog.findChild<QComboBox*>("Combo1_0")->setCurrentIndex(1);
  EXPECT_EQ(dialog.Paper(), ReportPaper::Letter);
  Check(dialog, 0)->setChecked(false);  // no channels

  {
    ScriptedMessages messages;
    messages.File(std::nullopt);  // cancelled: nothing written
    Click(dialog, "CommandPdf");
    ASSERT_EQ(messages.Requests.size(), 1u);
    EXPECT_EQ(messages.Requests[0].Kind, MessageKind::SaveFile);
    EXPECT_EQ(messages.Requests[0].Proposed, mDir.File("fleet.pdf"));
    EXPECT_FALSE(std::filesystem::exists(mDir.File("fleet.pdf")));
  }
  ScriptedMessages messages;
  messages.File(mDir.File("out.pdf"));
  Click(dialog, "CommandPdf");
  EXPECT_TRUE(messages.Texts().empty());
  const std::string text = test::PdfText(mDir.File("out.pdf"));
  EXPECT_NE(text.find("通信簿"), std::string::npos);
  EXPECT_EQ(text.find("信道信息"), std::string::npos);
  EXPECT_NE(test::PdfInfo(mDir.File("out.pdf")).find("letter"), std::string::npos);

  messages.File(mDir.File("missing/out.pdf"));
  Click(dialog, "CommandPdf");
  ASSERT_EQ(messages.Texts().size(), 1u);
  EXPECT_EQ(messages.Texts()[0].rfind("文件错误。", 0), 0u);
}

TEST_F(PrintDialog, PreviewShowsTheReportPages) {
  FrmPrint dialog(mState, mEmbedded);
  Click(dialog, "CommandClearAll");
  Check(dialog, 0)->setChecked(true);
  int pages = 0;
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    seen = preview != nullptr;
    if (!preview) return;
    if (auto* widget = preview->findChild<QPrintPreviewWidget*>()) pages = widget->pageCount();
    preview->reject();
  });
  ScriptedMessages messages;
  Click(dialog, "CommandPreview");
  EXPECT_TRUE(seen);
  EXPECT_GE(pages, 3);  // the channel table of the full codeplug
  EXPECT_TRUE(messages.Requests.empty());
}

}  // namespace
}  // namespace px
