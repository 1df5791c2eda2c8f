#pragma once
// The page tree beside the channel grid: the model as root and one node per codeplug
// page, identified by its key ("N1" channels, "N4" optional functions, ...). Pages
// whose dialogs this program does not have yet are shown disabled.

#include <QStringList>
#include <QTreeWidget>

#include "app/app_state.h"

namespace px {

class PageTree : public QTreeWidget {
  Q_OBJECT

 public:
  explicit PageTree(QWidget* rParent = nullptr);

  // Rebuilds the nodes from the page catalogue, the language texts and the feature
  // flags; pages not built yet are shown disabled.
  void LoadShowTree(const AppState& rState);

  QTreeWidgetItem* NodeOf(const QString& rKey) const;
  QStringList Keys() const;

 signals:
  void PageChosen(const QString& rKey);
  void CtrlAlonePressed();

 protected:
  void keyPressEvent(QKeyEvent* rEvent) override;
};

}  // namespace px
