#pragma once
// The 2-Tone page: the decode settings and the table of 32 two-tone codes. The dialog
// edits a scratch copy of the page (edit/two_tone_rules.h); OK stores it and renumbers
// the channels that pointed at an entry which is no longer in use.

#include <QDialog>

#include <array>

#include "app/app_state.h"
#include "edit/two_tone_rules.h"
#include "ui/settings/field_inputs.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace px {

class CodeGrid;

class Frm2Tone : public QDialog {
  Q_OBJECT

 public:
  Frm2Tone(AppState& rState, QWidget* rParent = nullptr);

  // The page as the dialog holds it now (inputs from the widgets).
  TwoTonePage Page() const;

 protected:
  bool eventFilter(QObject* rWatched, QEvent* rEvent) override;

 private:
  void BuildInputs();
  void LayOut();
  void LoadInputs();
  void EnableToneBoxes();
  void OnOk();

  AppState& mState;
  TwoTonePage mPage;
  bool mLoaded = false;  // grid events are ignored until the page is shown

  FieldInputs mFields;  // the lists and the side tone, from the page's rows
  std::array<QLineEdit*, kTwoToneTones> mTones{};
  CodeGrid* mGrid = nullptr;
};

}  // namespace px
