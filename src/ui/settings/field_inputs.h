#pragma once
// The controls of a page's field rows: a label and a list, or a switch, per row with a
// control, named, filled, loaded and read back as the rows say. The page's dialog adds
// its reactions and whatever layout a form of rows cannot give.

#include <cstddef>
#include <vector>

#include "edit/page_fields.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;

namespace px {

class FieldInputs {
 public:
  FieldInputs(QWidget* rParent, const AppState& rState, PageFields rFields);

  // Adds the rows of frame rGroupId (0: the page itself) to rGrid in row order: lists
  // under their labels' column, switches under the lists, or across a frame's top.
  void LayOut(QGridLayout* rGrid, int rGroupId) const;

  // Shows rShown, the page as ShownFields gives it.
  template <class Bytes>
  void Load(const Bytes& rShown) const {
    for (const Input& input : mInputs) Load(input, rShown[input.Field->Slot]);
  }
  // What the controls show, over the carried bytes of rInto.
  template <class Bytes>
  void Store(Bytes& rInto) const {
    using Value = typename Bytes::value_type;
    for (const Input& input : mInputs) rInto[input.Field->Slot] = static_cast<Value>(Stored(input));
  }

  QComboBox* List(std::size_t rSlot) const;
  QLabel* Label(std::size_t rSlot) const;
  QCheckBox* Switch(std::size_t rSlot) const;
  // The stored value the control of rSlot shows.
  int Value(std::size_t rSlot) const;
  // Enables the control of rSlot with its label.
  void Enable(std::size_t rSlot, bool rOn) const;

 private:
  struct Input {
    const PageField* Field = nullptr;
    QComboBox* List = nullptr;
    QLabel* Label = nullptr;
    QCheckBox* Switch = nullptr;
  };
  const Input& InputOf(std::size_t rSlot) const;
  static void Load(const Input& rInput, int rShown);
  static int Stored(const Input& rInput);

  std::vector<Input> mInputs;
};

}  // namespace px
