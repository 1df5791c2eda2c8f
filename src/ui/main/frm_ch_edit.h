#pragma once
// The channel editor: one channel of the codeplug created, changed or cleared in a modal
// dialog. The rules live in the core (codeplug/channel_edit_rules.h); this dialog shows
// them on widgets and keeps the inputs consistent while the user edits.

#include <QDialog>

#include <array>
#include <vector>

#include "app/app_state.h"
#include "edit/channel_edit_rules.h"
#include "ui/kit/message_service.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace px {

// What the editor's title calls the channel of grid row rRow: "Channel 12", "PA", "VFO".
QString ChannelCaption(const AppState& rState, int rRow);

class FrmCHEdit : public QDialog {
  Q_OBJECT

 public:
  FrmCHEdit(AppState& rState, int rRow, QWidget* rParent = nullptr);
  // Several channels at once: the inputs show what the channels share (the first
  // channel's value where they differ); OK sets the inputs the user changed on every
  // channel and leaves the others as each channel has them.
  FrmCHEdit(AppState& rState, std::vector<int> rRows, QWidget* rParent = nullptr);

  // True once OK stored or removed the channel.
  bool Changed() const { return mChanged; }
  // What the inputs hold now.
  ChannelEditInputs Inputs() const;

 private:
  // The lists, check box and label of one tone set.
  struct ToneSet {
    QLabel* Label = nullptr;
    QComboBox* Type = nullptr;
    QComboBox* Ctcss = nullptr;
    QComboBox* Dcs = nullptr;
    QCheckBox* Invert = nullptr;
  };

  void Build(const ChannelEditInputs& rInputs, const QString& rCaption);
  void OnOkMany();
  void BuildInputs();
  void LayOut();
  void Connect();
  void SetTabOrder();
  void LoadInputs(const ChannelEditInputs& rInputs);
  void ShowToneSet(const ToneSet& rSet, int rType);
  void OnToneTypeChanged(const ToneSet& rSet);
  void ShowCodeList(SignallingKind rKind);
  void OnSignallingChanged();
  // The squelch list for the current tones and signalling, rRemembered chosen when offered.
  void FillSquelch(int rRemembered);
  void RebuildSquelch();
  void UpdateEnabled();
  void OnOk();

  AppState& mState;
  const int mRow;
  std::vector<int> mRows;     // several channels; empty for one
  ChannelEditInputs mShown;   // what the inputs showed when the editor opened
  MessageService mMessages;
  ChannelEditInputs mHidden;  // what has no visible input: ExtraDisplay, PttIdOn
  bool mChanged = false;

  QLineEdit* mRx = nullptr;
  QLineEdit* mTx = nullptr;
  std::array<QLineEdit*, kNameBoxes> mName{};
  QComboBox* mStep = nullptr;
  QComboBox* mBandwidth = nullptr;
  QComboBox* mTxPower = nullptr;
  ToneSet mDecode;
  ToneSet mEncode;
  QComboBox* mSignalling = nullptr;
  QComboBox* mDtmfCode = nullptr;
  QComboBox* mTwoToneCode = nullptr;
  QComboBox* mFiveToneCode = nullptr;
  QComboBox* mSquelch = nullptr;
  QComboBox* mDtmfPttId = nullptr;
  QComboBox* mFiveTonePttId = nullptr;
  QLineEdit* mPttIdCode = nullptr;
  QComboBox* mScrambler = nullptr;
  QComboBox* mBusyLock = nullptr;
  QCheckBox* mTxInhibit = nullptr;
  QCheckBox* mReverse = nullptr;
  QCheckBox* mTalkaround = nullptr;
  QCheckBox* mCompander = nullptr;
  QCheckBox* mScanSkip = nullptr;
  QCheckBox* mPttIdDecode = nullptr;
  QPushButton* mOk = nullptr;
  QPushButton* mCancel = nullptr;
  std::vector<QWidget*> mFocusOrder;  // every input and button, in tab order
  // Labels in the order of the inputs they stand beside; the first is the receive box's.
  std::vector<QLabel*> mLabels;
  QLabel* mDtmfPttIdLabel = nullptr;
  QLabel* mFiveTonePttIdLabel = nullptr;
  QLabel* mPttIdCodeLabel = nullptr;
};

// Opens the editor modal on channel rNumber (1..200, 201 PA, 202 PB, 203 VFO). On OK the
// channel is stored or removed and the channel references of the settings are repaired;
// the caller redraws the row. Returns true when the codeplug changed.
bool OpenChannelEditor(AppState& rState, int rNumber, QWidget* rParent);
// The same on several memory channels (see the constructor).
bool OpenChannelsEditor(AppState& rState, const std::vector<int>& rNumbers, QWidget* rParent);

}  // namespace px
