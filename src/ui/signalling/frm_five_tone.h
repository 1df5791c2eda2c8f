#pragma once
// The 5-Tone page: system settings, own ID, the two PTT ID codes, the 100 codes with
// their in-place cell editors and the 8 information codes. Edits a scratch copy; OK runs
// the core's apply (which renumbers the channels' and the alert page's references),
// Cancel discards it.

#include <array>

#include <QDialog>

#include "app/app_state.h"
#include "edit/five_tone_rules.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QPlainTextEdit;

namespace px {

class CodeGrid;
struct GridCell;

class Frm5Tone : public QDialog {
  Q_OBJECT

 public:
  explicit Frm5Tone(AppState& rState, QWidget* rParent = nullptr);

 protected:
  bool eventFilter(QObject* rWatched, QEvent* rEvent) override;

 private:
  void BuildGrid();
  void ShowPage();
  void ShowRow(int rRow);
  void ReadInputs();
  void ShowToneTable(int rStandard);

  void OnCellCommitted(const GridCell& rCell, const QString& rText);
  GridCell EnterWalk(const GridCell& rFrom, const QString& rText) const;
  void OnCodeDoubleClicked(int rRow);

  void OnOwnIdLeft();
  void OnInfoChosen(int rPosition);
  void OnFunctionChosen();
  void ShowInfoInputs();
  void ReadInfoInputs();
  void OpenSpecial(SpecialCallTarget rTarget);
  void OpenToneTable();
  void OnOk();

  AppState& mState;
  FiveTonePage mPage;
  bool mLoaded = false;
  bool mShowing = false;
  bool mTelling = false;

  std::array<QComboBox*, kFiveTonePageLists + 1> mLists{};
  QCheckBox* mSideTone = nullptr;
  QLineEdit* mOwnId = nullptr;
  QPushButton* mCancel = nullptr;
  QPlainTextEdit* mToneText = nullptr;
  std::array<QLineEdit*, 2> mPttCode{};
  std::array<QComboBox*, 2> mPttStandard{};
  std::array<QComboBox*, 2> mPttDuration{};

  CodeGrid* mGrid = nullptr;             // the code list; its open editor is CurTone5Row/Col
  QLineEdit* mCodeEditor = nullptr;      // Text3
  QComboBox* mStandardEditor = nullptr;  // Combo2

  QGroupBox* mInfoFrame = nullptr;
  QComboBox* mInfoNumber = nullptr;  // Combo6
  QComboBox* mFunction = nullptr;    // Combo7(0)
  QComboBox* mResponse = nullptr;    // Combo7(1)
  QLineEdit* mInfoCode = nullptr;    // Text5
  QLineEdit* mInfoName = nullptr;    // Text7
};

}  // namespace px
