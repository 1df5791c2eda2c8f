#include "ui/main/page_tree.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "app/bands.h"
#include "ui/kit/apply_language.h"
#include "ui/main/page_catalogue.h"

namespace px {

namespace {

constexpr int kKeyRole = Qt::UserRole;

}  // namespace

PageTree::PageTree(QWidget* rParent) : QTreeWidget(rParent) {
  setObjectName(QStringLiteral("TreeView1"));
  setHeaderHidden(true);
  setColumnCount(1);
  setRootIsDecorated(true);
  setUniformRowHeights(true);
  // One click, one action: itemActivated would come too where a single click activates,
  // and run the page (a radio read for N9) twice. Enter is handled as a key instead.
  connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* rItem, int) { Choose(rItem); });
}

void PageTree::Choose(QTreeWidgetItem* rItem) {
  if (rItem != nullptr && (rItem->flags() & Qt::ItemIsEnabled)) {
    emit PageChosen(rItem->data(0, kKeyRole).toString());
  }
}

void PageTree::LoadShowTree(const AppState& rState) {
  clear();
  auto* root = new QTreeWidgetItem(this);
  root->setText(0, ToQ(ProductNameOf(rState.ModelString)));
  root->setData(0, kKeyRole, QStringLiteral("N0"));
  for (const PageRow& page : PageCatalogue()) {
    if (!PageOffered(page, rState)) continue;
    auto* node = new QTreeWidgetItem(root);
    const int text = CoreOf(page).TreeTextId;
    node->setText(0, text == 0 ? OwnQ(rState, OwnText{"CH", "信道"}) : LangQ(rState, text));
    node->setData(0, kKeyRole, QString::fromLatin1(page.TreeKey));
    if (!PageBuilt(page)) node->setFlags(node->flags() & ~Qt::ItemIsEnabled);
  }
  root->setExpanded(true);
}

QTreeWidgetItem* PageTree::NodeOf(const QString& rKey) const {
  const auto items = findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive);
  for (QTreeWidgetItem* item : items) {
    if (item->data(0, kKeyRole).toString() == rKey) return item;
  }
  return nullptr;
}

QStringList PageTree::Keys() const {
  QStringList keys;
  const auto items = findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive);
  for (QTreeWidgetItem* item : items) keys << item->data(0, kKeyRole).toString();
  return keys;
}

void PageTree::keyPressEvent(QKeyEvent* rEvent) {
  if (rEvent->key() == Qt::Key_Return || rEvent->key() == Qt::Key_Enter) {
    Choose(currentItem());
    rEvent->accept();
    return;
  }
  QTreeWidget::keyPressEvent(rEvent);
}

}  // namespace px
