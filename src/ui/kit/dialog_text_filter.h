#pragma once
// Keys in the dialogs' inputs: Enter moves on like Tab, text boxes offer no clipboard,
// refuse every character above code 127 and, by kind, anything else they cannot hold.
//
// A filtered box holds only what its kind accepts whatever the way in: key presses and
// input-method commits are checked as they come, drops and the middle-click paste of
// the selection are not taken at all, and a validator on the text turns away anything
// else that would put a refused character in (QLineEdit::insert included). The program
// itself may still set any text (a stored name with a byte above 127 shows as it is);
// QLineEdit then checks insert() again only from the next accepted text on, while keys,
// input methods, drops and the selection paste stay filtered throughout.
// Install replaces any validator the box had; give a filtered box no other one. It also
// marks the box with its kind (property kTextFilterProperty, the Accept value as int),
// so that tests can find and probe every filtered box of a dialog.

#include <functional>
#include <utility>

#include <QObject>

class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QString;
class QWidget;

namespace px {

inline constexpr const char* kTextFilterProperty = "textFilter";

// A key rule from the core: the character a typed printable one enters (a lower-case
// letter may enter as upper case), or 0 when the box refuses it. Characters above 127
// are refused before the rule is asked.
using KeyRule = std::function<char(char)>;

class DialogTextFilter : public QObject {
 public:
  enum class Accept {
    Frequency,  // digits and "."
    Ascii,      // any printable character up to code 127
    Digits,
    NameChar,   // one character of a name: not "\" or "~"; the focus then moves on
  };
  DialogTextFilter(Accept rAccept, QObject* rParent) : QObject(rParent), mAccept(rAccept) {}
  DialogTextFilter(KeyRule rRule, QObject* rParent)
      : QObject(rParent), mAccept(Accept::Ascii), mRule(std::move(rRule)) {}
  // Filters rEdit and hides its context menu; getting the focus then selects the whole text.
  static void Install(QLineEdit* rEdit, Accept rAccept);
  static void Install(QLineEdit* rEdit, KeyRule rRule);

  // True when a box of kind rAccept may hold every character of rText.
  static bool Accepts(Accept rAccept, const QString& rText);
  // The same for this filter, its key rule included.
  bool AcceptsText(const QString& rText) const;

 protected:
  bool eventFilter(QObject* rWatched, QEvent* rEvent) override;

 private:
  bool FilterKey(QLineEdit* rEdit, QKeyEvent* rKey);
  bool FilterInputMethod(QLineEdit* rEdit, QInputMethodEvent* rEvent);
  // A name box holds one character: the new one replaces it, then the next box follows.
  static void TakeNameChar(QLineEdit* rEdit, const QString& rText);
  // rText as the key rule enters it; rText itself without a rule.
  QString Entered(const QString& rText) const;
  static void InstallOn(QLineEdit* rEdit, DialogTextFilter* rFilter);

  Accept mAccept;
  KeyRule mRule;
};

// Enter (and the keypad's Enter) in rWidget moves the focus on as Tab does and does
// nothing else: no default button is pressed, no list opens.
void EnterMovesFocus(QWidget* rWidget);

}  // namespace px
