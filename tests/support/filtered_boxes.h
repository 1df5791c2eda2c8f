#pragma once
// Probes every filtered text box of a window (DialogTextFilter::Install marks them) by
// every way text can come in besides typing: a drop, an input-method commit, a
// middle-click paste of the selection and QLineEdit::insert. Each probe carries a
// character the box's kind refuses; the box must come out as it went in.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QWidget>

#include <vector>

#include "ui/kit/dialog_text_filter.h"

namespace px::test {

inline std::vector<QLineEdit*> FilteredBoxes(QWidget* rWindow) {
  std::vector<QLineEdit*> boxes;
  for (QLineEdit* edit : rWindow->findChildren<QLineEdit*>())
    if (edit->property(kTextFilterProperty).isValid()) boxes.push_back(edit);
  return boxes;
}

// Texts a box of kind rAccept must refuse: above code 127 always, and what the kind
// itself cannot hold. Each starts with a refused character, so that a box with room
// for one character only still meets it.
inline QStringList RefusedProbes(DialogTextFilter::Accept rAccept) {
  QStringList probes{QString::fromUtf8("\xe9"), QString::fromUtf8("\xe4\xb8\xad"), QStringLiteral("\t1")};
  switch (rAccept) {
    case DialogTextFilter::Accept::Frequency: probes << QStringLiteral("zz") << QStringLiteral("-5"); break;
    case DialogTextFilter::Accept::Digits: probes << QStringLiteral(".5") << QStringLiteral("x"); break;
    case DialogTextFilter::Accept::NameChar: probes << QStringLiteral("~") << QStringLiteral("\\"); break;
    case DialogTextFilter::Accept::Ascii: break;
  }
  return probes;
}

inline void DropText(QLineEdit* rEdit, const QString& rText) {
  QMimeData mime;
  mime.setText(rText);
  const QPoint at = rEdit->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(rEdit, &enter);
  QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(rEdit, &drop);
}

inline void CommitText(QLineEdit* rEdit, const QString& rText) {
  QInputMethodEvent event;
  event.setCommitString(rText);
  QApplication::sendEvent(rEdit, &event);
}

// Every filtered box of rWindow (enabled or not), emptied so that it has room, stays
// empty through every probe; then it gets its text back.
inline void ExpectFilteredBoxesRefuseEveryWayIn(QWidget* rWindow) {
  const std::vector<QLineEdit*> boxes = FilteredBoxes(rWindow);
  ASSERT_FALSE(boxes.empty()) << rWindow->objectName().toStdString();
  for (QLineEdit* edit : boxes) {
    const auto kind = static_cast<DialogTextFilter::Accept>(edit->property(kTextFilterProperty).toInt());
    const QString before = edit->text();
    const bool enabled = edit->isEnabled();
    edit->setEnabled(true);
    edit->clear();
    for (const QString& probe : RefusedProbes(kind)) {
      SCOPED_TRACE(edit->objectName().toStdString() + " <- " + probe.toStdString());
      DropText(edit, probe);
      EXPECT_EQ(edit->text(), QString()) << "drop";
      CommitText(edit, probe);
      EXPECT_EQ(edit->text(), QString()) << "input method";
      QApplication::clipboard()->setText(probe, QClipboard::Selection);
      QApplication::clipboard()->setText(probe);
      QTest::mouseClick(edit, Qt::MiddleButton);
      EXPECT_EQ(edit->text(), QString()) << "selection paste";
      edit->insert(probe);
      EXPECT_EQ(edit->text(), QString()) << "insert";
    }
    edit->setText(before);
    edit->setEnabled(enabled);
  }
}

}  // namespace px::test
