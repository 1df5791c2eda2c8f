#pragma once
// A page's plain settings as data: one row per field, written once and read by the
// dialog (build, load, OK), the codec (encode, decode), the report, `show` and `diff`.
// What a row cannot say (the reactions between controls, special layouts) stays in the
// page's rules module, which reads the same rows.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "app/app_state.h"
#include "edit/built_choices.h"
#include "edit/report_section.h"

namespace px {

// Where a field lies in the radio image, from the page's image address. Width 0: the
// radio does not keep it.
struct ImagePlace {
  std::size_t Offset = 0;
  int Bit = 0;            // the lowest bit of the field
  int Width = 0;          // bits
  bool MinusOne = false;  // kept one below the value (a channel's Number, a group)
};
constexpr ImagePlace ImageByte(std::size_t rOffset) { return {rOffset, 0, 8, false}; }
constexpr ImagePlace ImageByteMinusOne(std::size_t rOffset) { return {rOffset, 0, 8, true}; }
constexpr ImagePlace ImageBits(std::size_t rOffset, int rBit, int rWidth) { return {rOffset, rBit, rWidth, false}; }
constexpr ImagePlace kNotInImage{};

enum class FieldControl {
  List,     // a combo box of its choices
  Switch,   // a check box: 1 on, anything else off
  Carried,  // no control: kept as stored
};

// The entries of a field's list, made for the current codeplug and language.
using FieldChoices = BuiltChoices (*)(const AppState& rState);

struct PageField {
  std::string_view Name;       // "Scan.PriorityChannel1": stable, English, for diff and show
  std::size_t Slot = 0;        // the byte of the page's record
  FieldControl Control = FieldControl::Carried;
  std::string_view Object;     // the control's object name ("Combo1_2", "Check1")
  int LabelId = 0;             // the label's (or switch's) text; 0 for none
  FieldChoices Choices = nullptr;  // lists; switches show off / on
  ImagePlace Image;
  int GroupId = 0;             // the frame the control sits in; its text leads the label
  // The field's flattened record path where the page's record is not one array
  // ("Settings.Dtmf.AniOn", "FiveToneLastOption"); empty: the page's RecordPath[Slot].
  std::string_view Path = {};
  std::string_view LabelSection = kSectionOther;  // the language section of LabelId and GroupId
};

using PageFields = std::span<const PageField>;

// A fixed choice table as a field's choices.
template <ChoiceTable (*Table)()>
BuiltChoices FixedChoices(const AppState&) {
  BuiltChoices choices;
  for (const Choice& entry : Table()) choices.Add(entry);
  return choices;
}

// The label a report, `show` and `diff` give a field: its frame's text, then its own;
// the field name when no control shows it.
std::string FieldLabel(const AppState& rState, const PageField& rField);

// The field of rFields that keeps rSlot, or null.
const PageField* FieldOfSlot(PageFields rFields, std::size_t rSlot);

// What the field's control shows for rStored, as the value it would store: a list's
// entry that stores it, else its first entry's; a switch off unless 1; carried as is.
int ShownFieldValue(const AppState& rState, const PageField& rField, int rStored);

// The text the field's control shows for rShown ("OFF" / "ON" for a switch).
std::string FieldValueText(const AppState& rState, const PageField& rField, int rShown);

// The page as its dialog shows it: every controlled field through ShownFieldValue.
template <class Bytes>
Bytes ShownFields(const AppState& rState, PageFields rFields, const Bytes& rStored) {
  Bytes shown = rStored;
  for (const PageField& field : rFields)
    shown[field.Slot] = static_cast<typename Bytes::value_type>(ShownFieldValue(rState, field, rStored[field.Slot]));
  return shown;
}

// One report row per field a control shows, in row order.
template <class Bytes>
void DescribeFields(const AppState& rState, PageFields rFields, const Bytes& rShown, ReportSection& rSection) {
  for (const PageField& field : rFields)
    if (field.Control != FieldControl::Carried)
      rSection.Rows.push_back({FieldLabel(rState, field), FieldValueText(rState, field, rShown[field.Slot])});
}

// The row that declares a record path ("Settings.Scan[10]" → Scan.Group1), or null.
const PageField* FieldOfPath(std::string_view rPath);

// A stable English name without brackets for any flattened record path, as diff and show
// give it: the declared field's name, else the path without "Settings." and with each
// array element numbered from 1 after its array's singular
// ("Settings.FiveTone.Codes[7].CodeBytes[1]" → "FiveTone.Code8.CodeByte2",
// "Book[12].CallId" → "Book.Entry13.CallId").
std::string FieldNameOfPath(std::string_view rPath);

// The pages that declare field rows, under their page key and the record path of the
// array their slots index (or of the record whose members they are); read from the page
// catalogue (page_catalogue_core.h).
struct DeclaredPage {
  std::string_view Key;         // "scan", as the catalogue and the report name it
  std::string_view RecordPath;  // "Settings.Scan"
  PageFields Fields;
  int (*Value)(const Codeplug& rPlug, std::size_t rSlot);  // the stored value of a slot
  void (*Store)(Codeplug& rPlug, std::size_t rSlot, int rValue) = nullptr;  // sets it
};
std::span<const DeclaredPage> DeclaredPages();

// The flattened record path of a declared field ("Settings.Scan[10]", "Settings.Dtmf.AniOn").
std::string FieldPath(const DeclaredPage& rPage, const PageField& rField);
// The page that declares a record path, or null.
const DeclaredPage* PageOfPath(std::string_view rPath);

}  // namespace px
