#pragma once
// Undo and redo of codeplug changes on a QUndoStack: each command holds the codeplug
// before and after. The window hands in how to redraw itself after a step.

#include <QObject>
#include <QUndoStack>

#include <functional>

#include "app/app_state.h"
#include "edit/undo_history.h"

class QAction;

namespace px {

class CodeplugUndo : public QObject {
  Q_OBJECT

 public:
  CodeplugUndo(AppState& rState, std::function<void()> rRedraw, QObject* rParent = nullptr);

  // Edit > Undo and Edit > Redo, with the standard shortcuts; their texts say what they
  // undo and redo, in the current language.
  QAction* UndoAction() const { return mUndo; }
  QAction* RedoAction() const { return mRedo; }
  QUndoStack& Stack() { return mStack; }

  // The change from rBefore to the codeplug as it is now, when there is one.
  void RecordChange(const CodeplugSnapshot& rBefore, const ChangeDescription& rChange);
  // Runs rChange and records what it did.
  template <class F>
  void Track(const ChangeDescription& rChange, F&& rOperation) {
    const CodeplugSnapshot before = TakeSnapshot(mState, rChange.ReplacesFile());
    rOperation();
    RecordChange(before, rChange);
  }
  // New, Open and Read: the codeplug before is gone for good.
  void Clear();
  // The action texts in the current language.
  void UpdateTexts();

 private:
  AppState& mState;
  std::function<void()> mRedraw;
  QUndoStack mStack;
  QAction* mUndo = nullptr;
  QAction* mRedo = nullptr;
};

}  // namespace px
