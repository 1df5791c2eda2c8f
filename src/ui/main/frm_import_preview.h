#pragma once
// What an import of a channel list will do, before anything is changed: how many
// channels are new, replaced or unchanged, each of them with its notes, and every row
// that was refused with its reason. OK imports; Cancel changes nothing.

#include <QDialog>

#include "app/app_state.h"
#include "edit/channel_csv.h"

class QLabel;
class QTableWidget;
class QListWidget;

namespace px {

class FrmImportPreview : public QDialog {
  Q_OBJECT

 public:
  FrmImportPreview(const AppState& rState, const ChannelImportPlan& rPlan, QWidget* rParent = nullptr);

  QTableWidget* Channels() const { return mChannels; }
  QListWidget* Refused() const { return mRefused; }

 private:
  QTableWidget* mChannels = nullptr;
  QListWidget* mRefused = nullptr;
};

}  // namespace px
