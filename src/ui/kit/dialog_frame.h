#pragma once
// The frame every small dialog shares: its content above a row of two buttons at the
// bottom right, the dialog fixed to the size of what it holds.

class QDialog;
class QLayout;
class QPushButton;

namespace px {

struct DialogButtonPair {
  QPushButton* First = nullptr;
  QPushButton* Second = nullptr;
};

// Takes ownership of rContent. The buttons are named rFirst and rSecond, so that
// SetDialogButtons puts their captions on ("CommandOK", "CommandCancel", "CommandClose",
// "CommandHelp").
DialogButtonPair LayOutDialog(QDialog* rDialog, QLayout* rContent, const char* rFirst = "CommandOK",
                              const char* rSecond = "CommandCancel");

}  // namespace px
