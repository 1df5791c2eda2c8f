#include "ui/main/frm_compare.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/language.h"
#include "app/text_fill.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/dialog_frame.h"

namespace px {

namespace {

constexpr OwnText kTitle{"Compare with a file", "与文件比较"};
constexpr OwnText kSummary{"%1 differences between the codeplug being edited and %2",
                           "正在编辑的数据与 %2 之间有 %1 处不同"};
constexpr OwnText kSame{"The codeplug being edited and %1 are the same.", "正在编辑的数据与 %1 相同。"};
constexpr OwnText kField{"Field", "项目"};
constexpr OwnText kThis{"Being edited", "正在编辑"};
constexpr OwnText kFile{"In the file", "文件中"};

}  // namespace

FrmCompare::FrmCompare(const AppState& rState, const std::string& rOtherPath,
                       const std::vector<CodeplugDifference>& rDifferences, QWidget* rParent)
    : QDialog(rParent) {
  setObjectName(QStringLiteral("FrmCompare"));
  setWindowTitle(OwnQ(rState, kTitle));
  auto* content = new QVBoxLayout;
  const std::string summary = rDifferences.empty()
                                  ? FillText(OwnTextOf(rState, kSame), {rOtherPath})
                                  : FillText(OwnTextOf(rState, kSummary), {std::to_string(rDifferences.size()), rOtherPath});
  auto* label = new QLabel(ToQ(summary));
  label->setObjectName(QStringLiteral("LabelSummary"));
  label->setWordWrap(true);
  content->addWidget(label);
  mTable = new QTableWidget(static_cast<int>(rDifferences.size()), 3);
  mTable->setObjectName(QStringLiteral("GridDifferences"));
  mTable->setHorizontalHeaderLabels({OwnQ(rState, kField), OwnQ(rState, kThis), OwnQ(rState, kFile)});
  mTable->verticalHeader()->hide();
  mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int r = 0; r < mTable->rowCount(); ++r) {
    const CodeplugDifference& d = rDifferences[static_cast<std::size_t>(r)];
    mTable->setItem(r, 0, new QTableWidgetItem(ToQ(d.Where)));
    mTable->setItem(r, 1, new QTableWidgetItem(ToQ(d.Before)));
    mTable->setItem(r, 2, new QTableWidgetItem(ToQ(d.After)));
  }
  mTable->resizeColumnsToContents();
  mTable->horizontalHeader()->setStretchLastSection(true);
  mTable->setMinimumSize(680, 360);
  content->addWidget(mTable);
  const DialogButtonPair buttons = LayOutDialog(this, content, "CommandClose", "CommandHelp");
  buttons.Second->hide();
  connect(buttons.First, &QPushButton::clicked, this, &QDialog::accept);
  SetDialogButtons(this, rState);
}

}  // namespace px
