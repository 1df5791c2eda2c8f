#pragma once
// Drives a dialog as a user would: finds its controls by objectName, types into boxes,
// picks list entries with the keyboard (so the dialog reacts as to a person), ticks
// boxes and presses OK or Cancel. A control that is not there fails the test.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace px::test {

class DialogDriver {
 public:
  explicit DialogDriver(QWidget* rDialog = nullptr) : mDialog(rDialog) {}
  void Attach(QWidget* rDialog) { mDialog = rDialog; }
  QWidget* Dialog() const { return mDialog; }

  template <typename T>
  T* Find(const char* rName) const {
    T* widget = mDialog == nullptr ? nullptr : mDialog->findChild<T*>(QString::fromLatin1(rName));
    EXPECT_NE(widget, nullptr) << "no control " << rName;
    return widget;
  }
  QLineEdit* Text(const char* rName) const { return Find<QLineEdit>(rName); }
  QComboBox* List(const char* rName) const { return Find<QComboBox>(rName); }
  QCheckBox* Check(const char* rName) const { return Find<QCheckBox>(rName); }

  // Empties the box, then types rText key by key.
  void Type(const char* rName, const QString& rText) const {
    QLineEdit* edit = Text(rName);
    if (edit == nullptr) return;
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, rText);
  }
  // Home, then Down rIndex times.
  void Pick(const char* rName, int rIndex) const {
    QComboBox* list = List(rName);
    if (list == nullptr) return;
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < rIndex; ++i) QTest::keyClick(list, Qt::Key_Down);
  }
  // Clicks the box when it does not show rOn yet.
  void Tick(const char* rName, bool rOn) const {
    QCheckBox* check = Check(rName);
    if (check != nullptr && check->isChecked() != rOn) QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
  }
  QStringList Entries(const char* rName) const {
    QStringList texts;
    if (QComboBox* list = List(rName))
      for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
    return texts;
  }

  void Press(const char* rName) const {
    if (auto* button = Find<QAbstractButton>(rName)) QTest::mouseClick(button, Qt::LeftButton);
  }
  void Ok() const { Press("CommandOK"); }
  void Cancel() const { Press("CommandCancel"); }

 private:
  QWidget* mDialog = nullptr;
};

}  // namespace px::test
