#pragma once
// Keys in the dialogs' inputs: Enter moves on like Tab, text boxes offer no clipboard,
// refuse every character above code 127 and, by kind, anything else they cannot hold.

#include <functional>
#include <utility>

#include <QObject>

class QLineEdit;
class QWidget;

namespace px {

// A key rule from the core: the character a typed printable one enters (a lower-case
// letter may enter as upper case), or 0 when the box refuses it.
using KeyRule = std::function<char(char)>;

class DialogTextFilter : public QObject {
 public:
  enum class Accept {
    Frequency,  // digits and "."
    Ascii,      // any character up to code 127
    Digits,
    NameChar,   // one character of a name: not "\" or "~"; the focus then moves on
  };
  DialogTextFilter(Accept rAccept, QObject* rParent) : QObject(rParent), mAccept(rAccept) {}
  // Characters above 127 are refused before rRule is asked.
  DialogTextFilter(KeyRule rRule, QObject* rParent)
      : QObject(rParent), mAccept(Accept::Ascii), mRule(std::move(rRule)) {}
  // Filters rEdit and hides its context menu; getting the focus then selects the whole text.
  static void Install(QLineEdit* rEdit, Accept rAccept);
  static void Install(QLineEdit* rEdit, KeyRule rRule);

 protected:
  bool eventFilter(QObject* rWatched, QEvent* rEvent) override;

 private:
  bool Refuses(QChar rChar) const;

  Accept mAccept;
  KeyRule mRule;
};

// Enter (and the keypad's Enter) in rWidget moves the focus on as Tab does and does
// nothing else: no default button is pressed, no list opens.
void EnterMovesFocus(QWidget* rWidget);

}  // namespace px
