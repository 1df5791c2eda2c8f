#include "ui/main/frm_import_preview.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/language.h"
#include "edit/channel_rows.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/dialog_frame.h"

namespace px {

namespace {

constexpr OwnText kTitle{"Import channels", "导入信道"};
constexpr OwnText kChannelsLabel{"Channels the file holds:", "文件中的信道："};
constexpr OwnText kRefusedLabel{"Rows refused (not imported):", "被拒绝的行（不导入）："};
constexpr OwnText kNothing{"The file changes no channel.", "该文件不改变任何信道。"};
constexpr OwnText kNew{"new", "新增"};
constexpr OwnText kReplaces{"replaces", "替换"};
constexpr OwnText kUnchanged{"unchanged", "不变"};
constexpr OwnText kWhatHeader{"Import", "导入"};
constexpr OwnText kNotesHeader{"Notes", "说明"};

QTableWidgetItem* Cell(const QString& rText) {
  auto* item = new QTableWidgetItem(rText);
  item->setFlags(Qt::ItemIsEnabled);
  return item;
}

}  // namespace

FrmImportPreview::FrmImportPreview(const AppState& rState, const ChannelImportPlan& rPlan, QWidget* rParent)
    : QDialog(rParent) {
  setObjectName(QStringLiteral("FrmImportPreview"));
  setWindowTitle(OwnQ(rState, kTitle));
  auto* content = new QVBoxLayout;
  auto* summary = new QLabel(ToQ(ImportSummaryText(rState, rPlan)));
  summary->setObjectName(QStringLiteral("LabelSummary"));
  content->addWidget(summary);

  content->addWidget(new QLabel(OwnQ(rState, kChannelsLabel)));
  mChannels = new QTableWidget(static_cast<int>(rPlan.Channels.size()), 6);
  mChannels->setObjectName(QStringLiteral("GridChannels"));
  const ChannelRowTexts headers = ChannelHeaderTexts(rState);
  mChannels->setHorizontalHeaderLabels({ToQ(headers[kColLabel]), ToQ(headers[kColRx]), ToQ(headers[kColTx]),
                                        ToQ(headers[kColName]), OwnQ(rState, kWhatHeader),
                                        OwnQ(rState, kNotesHeader)});
  mChannels->verticalHeader()->hide();
  mChannels->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int r = 0; r < mChannels->rowCount(); ++r) {
    const CsvImportedChannel& channel = rPlan.Channels[static_cast<std::size_t>(r)];
    const ChannelRowTexts row = ChannelRowOf(rState, channel.Record);
    QString notes;
    for (const std::string& note : channel.Notes) notes += (notes.isEmpty() ? "" : "; ") + ToQ(note);
    const OwnText& what = !channel.Replaces ? kNew : channel.Changes ? kReplaces : kUnchanged;
    mChannels->setItem(r, 0, Cell(ToQ(RowLabelOf(channel.Number))));
    mChannels->setItem(r, 1, Cell(ToQ(row[kColRx])));
    mChannels->setItem(r, 2, Cell(ToQ(row[kColTx])));
    // Names are the radio's bytes, one character each.
    mChannels->setItem(r, 3, Cell(QString::fromLatin1(channel.Record.Name.Display().c_str())));
    mChannels->setItem(r, 4, Cell(OwnQ(rState, what)));
    mChannels->setItem(r, 5, Cell(notes));
  }
  mChannels->resizeColumnsToContents();
  mChannels->horizontalHeader()->setStretchLastSection(true);
  mChannels->setMinimumSize(640, 220);
  content->addWidget(mChannels);

  auto* refusedLabel = new QLabel(OwnQ(rState, kRefusedLabel));
  content->addWidget(refusedLabel);
  mRefused = new QListWidget;
  mRefused->setObjectName(QStringLiteral("ListRefused"));
  for (const CsvRefusedRow& row : rPlan.Refused) mRefused->addItem(ToQ(RefusedRowText(rState, row)));
  mRefused->setMaximumHeight(140);
  content->addWidget(mRefused);
  refusedLabel->setVisible(!rPlan.Refused.empty());
  mRefused->setVisible(!rPlan.Refused.empty());

  const bool changes = rPlan.Added() + rPlan.Replaced() > 0;
  if (!changes) content->addWidget(new QLabel(OwnQ(rState, kNothing)));

  const DialogButtonPair buttons = LayOutDialog(this, content);
  buttons.First->setEnabled(changes);
  connect(buttons.First, &QPushButton::clicked, this, &QDialog::accept);
  connect(buttons.Second, &QPushButton::clicked, this, &QDialog::reject);
  SetDialogButtons(this, rState);
}

}  // namespace px
