#include "ui/main/codeplug_undo.h"

#include <QAction>
#include <QUndoCommand>

#include "ui/kit/apply_language.h"

namespace px {

namespace {

class CodeplugChange : public QUndoCommand {
 public:
  CodeplugChange(AppState& rState, CodeplugSnapshot rBefore, ChangeDescription rChange,
                 const std::function<void()>& rRedraw)
      : mState(rState), mBefore(std::move(rBefore)), mAfter(TakeSnapshot(rState, mBefore.WithFile)),
        mChange(std::move(rChange)), mRedraw(rRedraw) {}

  void undo() override { Put(mBefore); }
  void redo() override {
    // The change is made already when the command is pushed.
    if (mFirst) {
      mFirst = false;
      return;
    }
    Put(mAfter);
  }

  const ChangeDescription& Change() const { return mChange; }

 private:
  void Put(const CodeplugSnapshot& rSnapshot) {
    RestoreSnapshot(mState, rSnapshot);
    if (mRedraw) mRedraw();
  }

  AppState& mState;
  CodeplugSnapshot mBefore;
  CodeplugSnapshot mAfter;
  ChangeDescription mChange;
  const std::function<void()>& mRedraw;
  bool mFirst = true;
};

const ChangeDescription* ChangeAt(const QUndoStack& rStack, int rIndex) {
  if (rIndex < 0 || rIndex >= rStack.count()) return nullptr;
  return &static_cast<const CodeplugChange*>(rStack.command(rIndex))->Change();
}

}  // namespace

CodeplugUndo::CodeplugUndo(AppState& rState, std::function<void()> rRedraw, QObject* rParent)
    : QObject(rParent), mState(rState), mRedraw(std::move(rRedraw)) {
  mUndo = new QAction(this);
  mUndo->setObjectName(QStringLiteral("MnuEditUndo"));
  mUndo->setShortcut(QKeySequence::Undo);
  mRedo = new QAction(this);
  mRedo->setObjectName(QStringLiteral("MnuEditRedo"));
  mRedo->setShortcut(QKeySequence::Redo);
  connect(mUndo, &QAction::triggered, &mStack, &QUndoStack::undo);
  connect(mRedo, &QAction::triggered, &mStack, &QUndoStack::redo);
  connect(&mStack, &QUndoStack::indexChanged, this, &CodeplugUndo::UpdateTexts);
  UpdateTexts();
}

void CodeplugUndo::RecordChange(const CodeplugSnapshot& rBefore, const ChangeDescription& rChange) {
  if (rBefore == TakeSnapshot(mState, rBefore.WithFile)) return;
  mStack.push(new CodeplugChange(mState, rBefore, rChange, mRedraw));
}

void CodeplugUndo::Clear() {
  mStack.clear();
  UpdateTexts();
}

void CodeplugUndo::UpdateTexts() {
  mUndo->setEnabled(mStack.canUndo());
  mRedo->setEnabled(mStack.canRedo());
  mUndo->setText(ToQ(UndoText(mState, ChangeAt(mStack, mStack.index() - 1))));
  mRedo->setText(ToQ(RedoText(mState, ChangeAt(mStack, mStack.index()))));
}

}  // namespace px
