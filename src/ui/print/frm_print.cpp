#include "ui/print/frm_print.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/language.h"
#include "app/messages.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/message_service.h"

namespace px {
namespace {

constexpr OwnText kCaption{"Print", "打印"};
constexpr OwnText kPages{"Pages", "打印项目"};
constexpr OwnText kPaperLabel{"Paper", "纸张"};
constexpr OwnText kPreview{"Pre&view...", "预览(&V)..."};
constexpr OwnText kSavePdf{"Save as P&DF...", "保存为PDF(&D)..."};
constexpr const char* kPdfFilter = "PDF (*.pdf)|*.pdf";
constexpr const char* kPageKeyProperty = "pageKey";

QString MessageQ(const AppState& rState, Message rMessage) { return ToQ(MessageText(rState, rMessage)); }

QPushButton* NewButton(QWidget* rParent, const char* rName, const QString& rText) {
  auto* button = new QPushButton(rText, rParent);
  button->setObjectName(QString::fromLatin1(rName));
  button->setAutoDefault(false);
  return button;
}

// The report's PDF beside the codeplug, named after it.
std::string ProposedPdfName(const std::string& rCodeplugPath) {
  std::string name = rCodeplugPath;
  const std::size_t dot = name.find_last_of('.');
  const std::size_t cut = name.find_last_of("/\\");
  if (dot != std::string::npos && (cut == std::string::npos || dot > cut)) name.erase(dot);
  return name + ".pdf";
}

}  // namespace

FrmPrint::FrmPrint(const AppState& rState, const EmbeddedInfo& rEmbedded, QWidget* rParent)
    : QDialog(rParent), mState(rState), mEmbedded(rEmbedded) {
  setObjectName(QStringLiteral("FrmPrint"));
  setWindowTitle(OwnQ(rState, kCaption));

  auto* pages = new QGroupBox(OwnQ(rState, kPages), this);
  pages->setObjectName(QStringLiteral("Frame1"));
  auto* grid = new QGridLayout(pages);
  const auto all = ReportPages();
  const int perColumn = static_cast<int>((all.size() + 1) / 2);
  for (std::size_t i = 0; i < all.size(); ++i) {
    auto* check = new QCheckBox(ToQ(ReportPageTitle(rState, all[i])), pages);
    check->setObjectName(QStringLiteral("Check1_%1").arg(i));
    check->setProperty(kPageKeyProperty, QString::fromUtf8(all[i].Key.data(), static_cast<qsizetype>(all[i].Key.size())));
    check->setChecked(true);
    grid->addWidget(check, static_cast<int>(i) % perColumn, static_cast<int>(i) / perColumn);
    mChecks.push_back(check);
  }
  auto* selectAll = NewButton(pages, "CommandSelectAll", MessageQ(rState, Message::PrintSelectAll));
  auto* clearAll = NewButton(pages, "CommandClearAll", MessageQ(rState, Message::PrintClearAll));
  auto* selection = new QHBoxLayout;
  selection->addWidget(selectAll);
  selection->addWidget(clearAll);
  selection->addStretch();
  grid->addLayout(selection, perColumn, 0, 1, 2);

  mPaper = new QComboBox(this);
  mPaper->setObjectName(QStringLiteral("Combo1_0"));
  mPaper->addItem(QStringLiteral("A4"));
  mPaper->addItem(OwnQ(rState, OwnText{"Letter", "Letter 信纸"}));
  auto* paperLabel = new QLabel(OwnQ(rState, kPaperLabel), this);
  paperLabel->setBuddy(mPaper);
  auto* paper = new QHBoxLayout;
  paper->addWidget(paperLabel);
  paper->addWidget(mPaper);
  paper->addStretch();

  auto* print = NewButton(this, "CommandPrint", MessageQ(rState, Message::PrintButton));
  auto* preview = NewButton(this, "CommandPreview", OwnQ(rState, kPreview));
  auto* pdf = NewButton(this, "CommandPdf", OwnQ(rState, kSavePdf));
  auto* close = NewButton(this, "CommandClose", MessageQ(rState, Message::CloseButton));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(print);
  buttons->addWidget(preview);
  buttons->addWidget(pdf);
  buttons->addStretch();
  buttons->addWidget(close);

  auto* top = new QVBoxLayout(this);
  top->addWidget(pages);
  top->addLayout(paper);
  top->addSpacing(6);
  top->addLayout(buttons);
  top->setSizeConstraint(QLayout::SetFixedSize);

  connect(selectAll, &QPushButton::clicked, this, [this] { SetAll(true); });
  connect(clearAll, &QPushButton::clicked, this, [this] { SetAll(false); });
  connect(print, &QPushButton::clicked, this, &FrmPrint::PrintReport);
  connect(preview, &QPushButton::clicked, this, &FrmPrint::PreviewReport);
  connect(pdf, &QPushButton::clicked, this, &FrmPrint::SavePdf);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  ApplyLanguage(this, rState);
}

std::vector<std::string> FrmPrint::ChosenPages() const {
  std::vector<std::string> keys;
  for (const QCheckBox* check : mChecks)
    if (check->isChecked()) keys.push_back(check->property(kPageKeyProperty).toString().toStdString());
  return keys;
}

ReportPaper FrmPrint::Paper() const {
  return mPaper->currentIndex() == 1 ? ReportPaper::Letter : ReportPaper::A4;
}

void FrmPrint::SetAll(bool rChecked) {
  for (QCheckBox* check : mChecks) check->setChecked(rChecked);
}

bool FrmPrint::HasChoice() {
  if (!ChosenPages().empty()) return true;
  MessageService::TellUser(this, MessageText(mState, Message::PrintSelectItems), MsgIcon::Information);
  return false;
}

Report FrmPrint::BuildChosenReport() const { return BuildReport(mState, mEmbedded, ChosenPages()); }

void FrmPrint::PreparePrinter(QPrinter& rPrinter) const {
  rPrinter.setPageLayout(QPageLayout(PageSizeOf(Paper()), QPageLayout::Portrait,
                                     QMarginsF(14, 14, 14, 14), QPageLayout::Millimeter));
  rPrinter.setDocName(ToQ(MessageText(mState, Message::PrintReportTitle)));
}

void FrmPrint::PrintReport() {
  if (!HasChoice()) return;
  QPrinter printer(QPrinter::HighResolution);
  PreparePrinter(printer);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  ReportDocument document(BuildChosenReport(), mState.LanguageIndex);
  document.Paint(printer);
}

void FrmPrint::PreviewReport() {
  if (!HasChoice()) return;
  QPrinter printer(QPrinter::HighResolution);
  PreparePrinter(printer);
  ReportDocument document(BuildChosenReport(), mState.LanguageIndex);
  QPrintPreviewDialog preview(&printer, this);
  preview.setObjectName(QStringLiteral("ReportPreview"));
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&document](QPrinter* rPrinter) { document.Paint(*rPrinter); });
  preview.exec();
}

void FrmPrint::SavePdf() {
  if (!HasChoice()) return;
  MessageService messages(this);
  const auto path = messages.ChooseFileToSave(kPdfFilter, ProposedPdfName(mState.FilePath));
  if (!path || path->empty()) return;
  std::string error;
  if (!WriteReportPdf(BuildChosenReport(), mState.LanguageIndex, Paper(), ToQ(*path), error)) {
    messages.Tell(MessageText(mState, Message::FileError) + kMessageLineBreak + error, MsgIcon::Critical);
  }
}

}  // namespace px
