#include "edit/page_fields.h"

#include <charconv>

namespace px {

std::string FieldLabel(const AppState& rState, const PageField& rField) {
  std::string label = rField.LabelId == 0 ? "" : LangText(rState, rField.LabelId);
  if (label.empty()) return std::string(rField.Name);
  if (rField.GroupId != 0) label = LangText(rState, rField.GroupId) + ": " + label;
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

const PageField* FieldOfPath(std::string_view rPath) {
  for (const DeclaredPage& page : DeclaredPages()) {
    const std::string_view path = rPath;
    if (!path.starts_with(page.RecordPath) || path.size() < page.RecordPath.size() + 3) continue;
    std::string_view index = path.substr(page.RecordPath.size());
    if (index.front() != '[' || index.back() != ']') continue;
    index = index.substr(1, index.size() - 2);
    std::size_t slot = 0;
    const auto [end, error] = std::from_chars(index.data(), index.data() + index.size(), slot);
    if (error != std::errc() || end != index.data() + index.size()) continue;
    if (const PageField* field = FieldOfSlot(page.Fields, slot)) return field;
  }
  return nullptr;
}

}  // namespace px
