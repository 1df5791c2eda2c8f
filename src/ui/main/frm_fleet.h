#pragma once
// Program > Program a fleet…: one codeplug written to many radios at once, each with
// its own identity, and a delivery record. The window only gathers the choices and shows
// the fleet engine's progress; the command line's `write --port A --port B …` runs on the
// same engine.

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "platform/fleet_engine.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace px {

struct RadioContext;

class FrmFleet : public QDialog, public FleetObserver {
  Q_OBJECT

 public:
  FrmFleet(AppState& rState, RadioContext& rRadio, QWidget* rParent = nullptr);
  ~FrmFleet() override;

  // The fleet from the choices made: false, with the reason shown in the window, when a
  // choice is missing or wrong; nothing is sent then.
  bool StartFleet();
  bool Running() const;
  const FleetEngine* Engine() const { return mEngine.get(); }

  void RadioChanged(std::size_t rIndex) override;
  void FleetFinished() override;

 protected:
  void reject() override;

 private:
  void AddTypedPort();
  void ChooseRegister();
  void ChooseLog();
  void UpdateEnabled();
  void ApplyTexts();
  void Refuse(const QString& rWhy);
  std::vector<std::string> CheckedPorts() const;

  AppState& mState;
  RadioContext& mRadio;
  QListWidget* mPorts;
  QLineEdit* mTypedPort;
  QPushButton* mAddPort;
  QRadioButton* mKeepIds;
  QRadioButton* mNumberIds;
  QRadioButton* mRegisterIds;
  QLineEdit* mDtmfStart;
  QLineEdit* mFiveToneStart;
  QLineEdit* mRegisterPath;
  QPushButton* mRegisterBrowse;
  QCheckBox* mVerify;
  QLineEdit* mLogPath;
  QPushButton* mLogBrowse;
  QTableWidget* mTable;
  QLabel* mStatus;
  QPushButton* mStart;
  QPushButton* mCancelAll;
  QPushButton* mClose;
  std::unique_ptr<FleetEngine> mEngine;
};

// Program > Program a fleet… on the Program menu, opening the window.
QAction* AddFleetCommand(AppState& rState, RadioContext& rRadio, QMenu* rProgramMenu, QWidget* rParent);
// Its caption in the language now chosen.
void ApplyFleetCommandText(QAction* rAction, const AppState& rState);

}  // namespace px
