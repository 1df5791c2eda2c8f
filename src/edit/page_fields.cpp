#include "edit/page_fields.h"

#include <charconv>

namespace px {

std::string FieldLabel(const AppState& rState, const PageField& rField) {
  const auto text = [&](int rId) { return LangLookup(rState, rField.LabelSection, std::to_string(rId)); };
  std::string label = rField.LabelId == 0 ? "" : text(rField.LabelId);
  if (label.empty()) return std::string(rField.Name);
  if (rField.GroupId != 0) label = text(rField.GroupId) + ": " + label;
  return label;
}

const PageField* FieldOfSlot(PageFields rFields, std::size_t rSlot) {
  for (const PageField& field : rFields)
    if (field.Slot == rSlot) return &field;
  return nullptr;
}

int ShownFieldValue(const AppState& rState, const PageField& rField, int rStored) {
  switch (rField.Control) {
    case FieldControl::List: return StoredAsShown(rField.Choices(rState), rStored);
    case FieldControl::Switch: return rStored == 1 ? 1 : 0;
    case FieldControl::Carried: break;
  }
  return rStored;
}

std::string FieldValueText(const AppState& rState, const PageField& rField, int rShown) {
  if (rField.Choices == nullptr) return std::to_string(rShown);
  return ShownText(rState, rField.Choices(rState), rShown);
}

std::string FieldPath(const DeclaredPage& rPage, const PageField& rField) {
  if (!rField.Path.empty()) return std::string(rField.Path);
  return std::string(rPage.RecordPath) + "[" + std::to_string(rField.Slot) + "]";
}

const PageField* FieldOfPath(std::string_view rPath) {
  const DeclaredPage* page = PageOfPath(rPath);
  if (page == nullptr) return nullptr;
  for (const PageField& field : page->Fields)
    if (FieldPath(*page, field) == rPath) return &field;
  return nullptr;
}

const DeclaredPage* PageOfPath(std::string_view rPath) {
  for (const DeclaredPage& page : DeclaredPages())
    for (const PageField& field : page.Fields)
      if (FieldPath(page, field) == rPath) return &page;
  return nullptr;
}

namespace {

// The word for one element of an array member: its singular, where that reads well.
std::string ElementWord(std::string_view rArray) {
  if (rArray == "Book") return "Book.Entry";
  if (!rArray.empty() && rArray.back() >= '0' && rArray.back() <= '9') return std::string(rArray) + ".Byte";
  if (rArray.ends_with("ies")) return std::string(rArray.substr(0, rArray.size() - 3)) + "y";
  if (rArray.ends_with("s")) return std::string(rArray.substr(0, rArray.size() - 1));
  return std::string(rArray);
}

}  // namespace

std::string FieldNameOfPath(std::string_view rPath) {
  if (const PageField* field = FieldOfPath(rPath)) return std::string(field->Name);
  std::string_view path = rPath;
  if (path.starts_with("Settings.")) path.remove_prefix(std::string_view("Settings.").size());
  std::string name;
  while (!path.empty()) {
    const std::size_t open = path.find('[');
    const std::size_t close = path.find(']', open == std::string_view::npos ? 0 : open);
    if (open == std::string_view::npos || close == std::string_view::npos) {
      name += path;
      break;
    }
    const std::string_view before = path.substr(0, open);
    const std::size_t dot = before.rfind('.');
    const std::string_view array = dot == std::string_view::npos ? before : before.substr(dot + 1);
    name += before.substr(0, before.size() - array.size());
    name += ElementWord(array);
    const std::string_view index = path.substr(open + 1, close - open - 1);
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(index.data(), index.data() + index.size(), number);
    name += error == std::errc() && end == index.data() + index.size() ? std::to_string(number + 1) : std::string(index);
    path.remove_prefix(close + 1);
  }
  // Whatever the path held, the name carries no brackets.
  for (char& c : name)
    if (c == '[' || c == ']') c = '_';
  return name;
}

}  // namespace px
