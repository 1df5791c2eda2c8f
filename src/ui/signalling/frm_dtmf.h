#pragma once
// The DTMF page: sixteen code memories, the PTT ID, kill and stun codes, the own ID and
// the digit settings. The rules live in edit/dtmf_rules.h; this dialog puts them on
// widgets and keeps the codes in step with the own ID and the separator.

#include <QDialog>

#include <array>

#include "app/app_state.h"
#include "edit/dtmf_rules.h"
#include "ui/kit/message_service.h"
#include "ui/settings/field_inputs.h"

class QLineEdit;
class QPushButton;

namespace px {

class FrmDTMF : public QDialog {
  Q_OBJECT

 public:
  FrmDTMF(AppState& rState, QWidget* rParent = nullptr);

  DtmfPageInputs Inputs() const;
  // The code box that last had the focus (0 when the dialog opens).
  int CurDTMFEditID() const { return mCurEditId; }

 protected:
  bool eventFilter(QObject* rWatched, QEvent* rEvent) override;

 private:
  void BuildInputs();
  void LayOut();
  void LoadInputs(const DtmfPageInputs& rInputs);
  void ShowCodes(const DtmfPageInputs& rInputs);
  void OnSeparatorChosen();
  void OnOwnIdLeft();
  void OnSpecialCall();
  void OnOk();

  AppState& mState;
  MessageService mMessages;
  int mCurEditId = 0;

  std::array<QLineEdit*, kDtmfCodeBoxes> mCodes{};
  QLineEdit* mOwnId = nullptr;
  FieldInputs mFields;  // the lists and the side tone, from the page's rows
  QPushButton* mSpecial = nullptr;
};

}  // namespace px
