#pragma once
// The form the settings pages share: labels right-aligned before their lists, the lists
// lined up in one column, and OK / Cancel that Enter never presses.

#include <functional>

class QComboBox;
class QDialog;
class QGridLayout;
class QLabel;
class QLayout;

namespace px {

QGridLayout* NewFormGrid();
void AddFormRow(QGridLayout* rGrid, QLabel* rLabel, QComboBox* rList);
// Lays rContent out above OK and Cancel; OK runs rOnOk, Cancel rejects.
void LayOutPageDialog(QDialog* rDialog, QLayout* rContent, const std::function<void()>& rOnOk);

}  // namespace px
