#include "edit/channel_ops.h"

#include <algorithm>
#include <array>
#include <limits>
#include <set>

#include "app/bands.h"
#include "app/language.h"
#include "app/text_fill.h"
#include "codeplug/alert_slots.h"
#include "codeplug/option_slots.h"
#include "codeplug/scan_slots.h"
#include "codeplug/text_formats.h"
#include "edit/channel_clipboard.h"
#include "edit/channel_rows.h"
#include "edit/codeplug_ops.h"

namespace px {

namespace {

constexpr OwnText kNotMemoryRow{"only the memory channels 0 to 199 can be moved, inserted or removed",
                                "只有存储信道 0 到 199 可以移动、插入或移除"};
constexpr OwnText kNoRows{"no rows are selected", "没有选中的行"};
constexpr OwnText kAtTop{"row %1 is already at the top", "第 %1 行已在最上面"};
constexpr OwnText kAtBottom{"row %1 is already at the bottom", "第 %1 行已在最下面"};
constexpr OwnText kBadCount{"the number of rows to insert must be 1 to 200", "插入的行数必须是 1 到 200"};
constexpr OwnText kPushedOut{"inserting %1 rows at row %2 would push channel %3 past row 199; remove or move it first",
                             "在第 %2 行插入 %1 行会把信道 %3 挤出第 199 行之外；请先移除或移动它"};
constexpr OwnText kConfirmRemove{"Remove the %1 selected rows? %2 of them hold a channel, which will be gone; the rows below move up.",
                                 "移除选中的 %1 行？其中 %2 行有信道，将被删除；下面的行上移。"};

// New Number of each memory row (index 1..200); 0 drops the row's channel.
using Renumbering = std::array<int, kMemoryChannels + 1>;

Renumbering Identity() {
  Renumbering map{};
  for (int n = 1; n <= kMemoryChannels; ++n) map[static_cast<std::size_t>(n)] = n;
  return map;
}

int StoredCount(const AppState& rState) { return std::clamp<int>(rState.Current.ChannelCount, 0, kChannelSlots); }

ChannelOpResult Refused(const AppState& rState, const OwnText& rText, std::initializer_list<std::string> rValues = {}) {
  ChannelOpResult result;
  result.Refusal = FillText(OwnTextOf(rState, rText), rValues);
  return result;
}

// Renumbers the channels and carries the references along. Returns whether anything
// changed.
bool Apply(AppState& rState, const Renumbering& rMap) {
  const Codeplug before = rState.Current;
  const ChannelTable channelsBefore = rState.Channels;
  const int count = StoredCount(rState);
  int kept = 0;
  for (int slot = 0; slot < count; ++slot) {
    ChannelRecord channel = rState.Channels[static_cast<std::size_t>(slot)];
    if (IsMemoryChannel(channel.Number)) {
      const int number = rMap[static_cast<std::size_t>(channel.Number)];
      if (number == 0) continue;
      channel.Number = static_cast<Int16>(number);
    }
    rState.Channels[static_cast<std::size_t>(kept++)] = channel;
  }
  for (int slot = kept; slot < count; ++slot) rState.Channels[static_cast<std::size_t>(slot)] = ChannelRecord{};
  rState.Current.ChannelCount = static_cast<Int16>(kept);

  // A reference to a dropped channel becomes none first, so that the repair does not
  // take the channel that moved into its row for it.
  auto follow = [&](Byte& rReference) {
    if (IsMemoryChannel(rReference)) rReference = static_cast<Byte>(rMap[rReference]);
  };
  follow(rState.Current.Settings.Scan[ScanSlot::Channel1]);
  follow(rState.Current.Settings.Scan[ScanSlot::Channel2]);
  follow(rState.Current.Settings.Alert[AlertSlot::Channel]);
  Int16& powerOn = rState.Current.Settings.Options.OptionValues[OptionSlot::PowerOnChannel];
  if (IsMemoryChannel(powerOn + 1) && rMap[static_cast<std::size_t>(powerOn + 1)] != 0)
    powerOn = static_cast<Int16>(rMap[static_cast<std::size_t>(powerOn + 1)] - 1);
  RepairChannelReferences(rState);
  return !(rState.Current == before) || !(rState.Channels == channelsBefore);
}

// The renumbering that puts the rows of rOrder (old Numbers, new row by position) in place.
Renumbering FromOrder(const std::vector<int>& rOrder) {
  Renumbering map{};
  for (std::size_t i = 0; i < rOrder.size(); ++i) map[static_cast<std::size_t>(rOrder[i])] = static_cast<int>(i) + 1;
  return map;
}

// Sorted memory rows without repeats; false when a row is no memory row.
bool Normalize(std::vector<int>& rRows) {
  std::sort(rRows.begin(), rRows.end());
  rRows.erase(std::unique(rRows.begin(), rRows.end()), rRows.end());
  return std::all_of(rRows.begin(), rRows.end(), IsMemoryChannel);
}

std::string Lower(std::string rText) {
  for (char& c : rText)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return rText;
}

std::string NameKey(const ChannelRecord& rChannel) {
  std::string name = rChannel.Name.Display();
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return Lower(name);
}

// Receive frequency in stored units; a damaged one sorts last.
long long RxKey(const ChannelRecord& rChannel) {
  const std::string text = rChannel.RxFreq.Display();
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::numeric_limits<long long>::max();
  return std::stoll(text);
}

const ChannelRecord* InUseChannel(const AppState& rState, int rRow) {
  const int slot = FindChannelSlot(rState.Current, rState.Channels, rRow);
  if (slot < 0) return nullptr;
  const ChannelRecord& channel = rState.Channels[static_cast<std::size_t>(slot)];
  return channel.InUse == 1 ? &channel : nullptr;
}

}  // namespace

ChannelOpResult MoveChannelsBy(AppState& rState, std::vector<int> rRows, int rDelta) {
  if (rRows.empty()) return Refused(rState, kNoRows);
  if (!Normalize(rRows)) return Refused(rState, kNotMemoryRow);
  if (rDelta < 0 && rRows.front() == 1) return Refused(rState, kAtTop, {RowLabelOf(1)});
  if (rDelta > 0 && rRows.back() == kMemoryChannels) return Refused(rState, kAtBottom, {RowLabelOf(kMemoryChannels)});
  const std::set<int> selected(rRows.begin(), rRows.end());
  std::vector<int> order;
  for (int n = 1; n <= kMemoryChannels; ++n) order.push_back(n);
  // Each selected row swaps with the unselected row it passes; a block moves as one.
  if (rDelta < 0) {
    for (std::size_t i = 1; i < order.size(); ++i)
      if (selected.count(order[i]) && !selected.count(order[i - 1])) std::swap(order[i], order[i - 1]);
  } else {
    for (std::size_t i = order.size() - 1; i > 0; --i)
      if (selected.count(order[i - 1]) && !selected.count(order[i])) std::swap(order[i], order[i - 1]);
  }
  const Renumbering map = FromOrder(order);
  ChannelOpResult result;
  result.Changed = Apply(rState, map);
  for (const int row : rRows) result.Rows.push_back(map[static_cast<std::size_t>(row)]);
  return result;
}

ChannelOpResult MoveChannelsTo(AppState& rState, std::vector<int> rRows, int rTarget) {
  if (rRows.empty()) return Refused(rState, kNoRows);
  if (!Normalize(rRows) || !IsMemoryChannel(rTarget)) return Refused(rState, kNotMemoryRow);
  const std::set<int> selected(rRows.begin(), rRows.end());
  std::vector<int> order;
  for (int n = 1; n <= kMemoryChannels; ++n)
    if (!selected.count(n)) order.push_back(n);
  const int last = kMemoryChannels - static_cast<int>(rRows.size()) + 1;
  const int target = std::min(rTarget, last);
  order.insert(order.begin() + (target - 1), rRows.begin(), rRows.end());
  ChannelOpResult result;
  result.Changed = Apply(rState, FromOrder(order));
  for (std::size_t i = 0; i < rRows.size(); ++i) result.Rows.push_back(target + static_cast<int>(i));
  return result;
}

ChannelOpResult SortChannels(AppState& rState, SortKey rKey) {
  struct Entry {
    int Row;
    const ChannelRecord* Channel;
  };
  std::vector<Entry> channels;
  std::vector<int> empty;
  for (int n = 1; n <= kMemoryChannels; ++n) {
    if (const ChannelRecord* channel = InUseChannel(rState, n)) channels.push_back({n, channel});
    else empty.push_back(n);
  }
  if (rKey == SortKey::RxFrequency) {
    std::stable_sort(channels.begin(), channels.end(),
                     [](const Entry& a, const Entry& b) { return RxKey(*a.Channel) < RxKey(*b.Channel); });
  } else {
    std::stable_sort(channels.begin(), channels.end(), [](const Entry& a, const Entry& b) {
      const std::string x = NameKey(*a.Channel), y = NameKey(*b.Channel);
      if (x.empty() != y.empty()) return y.empty();
      return x < y;
    });
  }
  std::vector<int> order;
  for (const Entry& entry : channels) order.push_back(entry.Row);
  order.insert(order.end(), empty.begin(), empty.end());
  ChannelOpResult result;
  result.Changed = Apply(rState, FromOrder(order));
  for (std::size_t i = 0; i < channels.size(); ++i) result.Rows.push_back(static_cast<int>(i) + 1);
  return result;
}

ChannelOpResult InsertRows(AppState& rState, int rRow, int rCount) {
  if (!IsMemoryChannel(rRow)) return Refused(rState, kNotMemoryRow);
  if (rCount < 1 || rCount > kMemoryChannels) return Refused(rState, kBadCount);
  const int span = kMemoryChannels - rRow + 1;  // rows from rRow to the bottom
  const int count = std::min(rCount, span);
  for (int n = kMemoryChannels - count + 1; n <= kMemoryChannels; ++n)
    if (InUseChannel(rState, n))
      return Refused(rState, kPushedOut, {std::to_string(rCount), RowLabelOf(rRow), RowLabelOf(n)});
  Renumbering map = Identity();
  // The bottom rows, empty, come round to be the inserted ones.
  for (int n = rRow; n <= kMemoryChannels; ++n) map[static_cast<std::size_t>(n)] = rRow + (n - rRow + count) % span;
  // A record there that holds no channel would come round as a row that is not empty.
  for (int n = kMemoryChannels - count + 1; n <= kMemoryChannels; ++n)
    if (HasRecord(rState, n)) map[static_cast<std::size_t>(n)] = 0;
  ChannelOpResult result;
  result.Changed = Apply(rState, map);
  for (int i = 0; i < count; ++i) result.Rows.push_back(rRow + i);
  return result;
}

ChannelOpResult RemoveRows(AppState& rState, std::vector<int> rRows) {
  if (rRows.empty()) return Refused(rState, kNoRows);
  if (!Normalize(rRows)) return Refused(rState, kNotMemoryRow);
  const std::set<int> selected(rRows.begin(), rRows.end());
  Renumbering map{};
  int removed = 0;
  for (int n = 1; n <= kMemoryChannels; ++n) {
    if (selected.count(n)) ++removed;
    else map[static_cast<std::size_t>(n)] = n - removed;
  }
  ChannelOpResult result;
  result.Changed = Apply(rState, map);
  result.Rows.push_back(rRows.front());
  return result;
}

int CountChannelsIn(const AppState& rState, const std::vector<int>& rRows) {
  const std::set<int> rows(rRows.begin(), rRows.end());
  return static_cast<int>(std::count_if(rows.begin(), rows.end(), [&](int n) { return InUseChannel(rState, n); }));
}

int FindChannel(const AppState& rState, const std::string& rText, int rAfter) {
  std::string wanted = rText;
  while (!wanted.empty() && wanted.front() == ' ') wanted.erase(0, 1);
  while (!wanted.empty() && wanted.back() == ' ') wanted.pop_back();
  if (wanted.empty()) return 0;
  const std::string lower = Lower(wanted);
  const FormatContext ctx = FormatContextOf(rState);
  const int start = IsMemoryChannel(rAfter) ? rAfter : 0;
  for (int step = 1; step <= kMemoryChannels; ++step) {
    const int row = (start + step - 1) % kMemoryChannels + 1;
    const ChannelRecord* channel = InUseChannel(rState, row);
    if (!channel) continue;
    if (NameKey(*channel).find(lower) != std::string::npos) return row;
    if (ToDisplayFreq(channel->RxFreq.Raw(), ctx).rfind(wanted, 0) == 0) return row;
  }
  return 0;
}

bool ParseRowList(const std::string& rText, std::vector<int>& rRows) {
  rRows.clear();
  auto number = [](const std::string& rPart, int& rOut) {
    if (rPart.empty() || rPart.size() > 3) return false;
    rOut = 0;
    for (const char c : rPart) {
      if (c < '0' || c > '9') return false;
      rOut = rOut * 10 + (c - '0');
    }
    return rOut < kMemoryChannels;
  };
  std::size_t begin = 0;
  while (begin <= rText.size()) {
    const std::size_t end = std::min(rText.find(',', begin), rText.size());
    const std::string part = rText.substr(begin, end - begin);
    const std::size_t dash = part.find('-');
    int first = 0, last = 0;
    if (dash == std::string::npos) {
      if (!number(part, first)) return false;
      last = first;
    } else if (!number(part.substr(0, dash), first) || !number(part.substr(dash + 1), last) || last < first) {
      return false;
    }
    for (int row = first; row <= last; ++row) rRows.push_back(row + 1);
    begin = end + 1;
  }
  std::sort(rRows.begin(), rRows.end());
  rRows.erase(std::unique(rRows.begin(), rRows.end()), rRows.end());
  return !rRows.empty();
}

std::string ConfirmRemoveText(const AppState& rState, std::size_t rRows, int rChannels) {
  return FillText(OwnTextOf(rState, kConfirmRemove), {std::to_string(rRows), std::to_string(rChannels)});
}

}  // namespace px
