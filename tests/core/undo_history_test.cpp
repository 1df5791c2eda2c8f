#include <gtest/gtest.h>

#include "edit/file_commands.h"
#include "edit/undo_history.h"

namespace px {
namespace {

// Read, then Initialize answered "discard", then undo: the read result is back and must
// still ask before it is lost, since it was never saved to a file.
TEST(UndoHistory, UndoingInitializeKeepsAReadResultUnsaved) {
  AppState state;
  state.UnsavedRead = true;
  state.Untitled = true;
  const CodeplugSnapshot read = TakeSnapshot(state, true);
  state.UnsavedRead = false;  // as a new codeplug starts
  RestoreSnapshot(state, read);
  EXPECT_TRUE(state.UnsavedRead);
  EXPECT_TRUE(NeedsSaveQuestion(state));
}

}  // namespace
}  // namespace px
