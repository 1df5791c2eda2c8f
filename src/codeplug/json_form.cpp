#include "codeplug/json_form.h"

#include <functional>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>

#include "codeplug/record_fields.h"

namespace px {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kChannelsKey = "Channels";

// ---- codeplug to JSON --------------------------------------------------------------

std::string HexBits(double rValue) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  const auto bits = std::bit_cast<std::uint64_t>(rValue);
  std::string out = "0x";
  for (int shift = 60; shift >= 0; shift -= 4) out.push_back(kDigits[(bits >> shift) & 0xF]);
  return out;
}

template <class T>
Json ToJsonValue(const T& rValue) {
  if constexpr (IsFixedText<T>::value) {
    return Latin1ToUtf8(rValue.Raw());  // byte k becomes code point k
  } else if constexpr (IsStdArray<T>::value) {
    Json array = Json::array();
    for (const auto& e : rValue) array.push_back(ToJsonValue(e));
    return array;
  } else if constexpr (std::same_as<T, double>) {
    if (!std::isfinite(rValue)) return HexBits(rValue);
    return rValue;
  } else if constexpr (Scalar<T>) {
    return static_cast<int>(rValue);
  } else {
    Json object = Json::object();
    VisitFields([&object](const char* rName, const auto& rField) { object[rName] = ToJsonValue(rField); },
                rValue);
    return object;
  }
}

// Like dump(2), but an array of plain values stays on one line: the 15 key bytes or
// 16 tone words read better side by side than one per line.
void AppendPretty(const Json& rJson, int rIndent, std::string& rOut) {
  const auto isPlain = [](const Json& j) { return !j.is_structured(); };
  if (!rJson.is_structured() || rJson.empty() ||
      (rJson.is_array() && std::all_of(rJson.begin(), rJson.end(), isPlain))) {
    if (!rJson.is_array()) {
      rOut += rJson.dump();
      return;
    }
    rOut += '[';
    for (std::size_t i = 0; i < rJson.size(); ++i) rOut += (i ? ", " : "") + rJson[i].dump();
    rOut += ']';
    return;
  }
  const std::string inner(static_cast<std::size_t>(rIndent + 2), ' ');
  rOut += rJson.is_object() ? "{\n" : "[\n";
  bool first = true;
  for (const auto& item : rJson.items()) {
    if (!first) rOut += ",\n";
    first = false;
    rOut += inner;
    if (rJson.is_object()) rOut += Json(item.key()).dump() + ": ";
    AppendPretty(item.value(), rIndent + 2, rOut);
  }
  rOut += "\n" + std::string(static_cast<std::size_t>(rIndent), ' ') + (rJson.is_object() ? "}" : "]");
}

// ---- JSON to codeplug --------------------------------------------------------------

// Decodes UTF-8 that the parser has already validated; nullopt for a code point above
// U+00FF, reported with its position.
std::optional<std::string> Utf8ToText(const std::string& rUtf8, std::size_t& rBadPosition) {
  std::string out;
  std::size_t i = 0;
  while (i < rUtf8.size()) {
    const auto b = static_cast<unsigned char>(rUtf8[i]);
    if (b < 0x80) {
      out.push_back(static_cast<char>(b));
      i += 1;
    } else if ((b & 0xE0) == 0xC0 && i + 1 < rUtf8.size()) {
      const unsigned cp = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(rUtf8[i + 1]) & 0x3Fu);
      if (cp > 0xFF) {
        rBadPosition = out.size();
        return std::nullopt;
      }
      out.push_back(static_cast<char>(cp));
      i += 2;
    } else {
      rBadPosition = out.size();
      return std::nullopt;
    }
  }
  return out;
}

std::size_t CountCodePoints(const std::string& rUtf8) {
  std::size_t n = 0;
  for (char c : rUtf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

std::optional<double> ParseHexBits(const std::string& rText) {
  if (rText.size() != 18 || rText[0] != '0' || (rText[1] != 'x' && rText[1] != 'X')) return std::nullopt;
  std::uint64_t bits = 0;
  for (std::size_t i = 2; i < rText.size(); ++i) {
    const char c = rText[i];
    unsigned digit = 0;
    if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
    else if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
    else if (c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
    else return std::nullopt;
    bits = (bits << 4) | digit;
  }
  return std::bit_cast<double>(bits);
}

std::string Join(const std::string& rPath, std::string_view rName) {
  return rPath.empty() ? std::string(rName) : rPath + "." + std::string(rName);
}

// Reads a value into a record of the same shape; the first error wins and stops
// further reading.
class JsonReader {
 public:
  const std::string& Error() const { return mError; }
  bool Failed() const { return !mError.empty(); }

  void Fail(const std::string& rPath, const std::string& rWhat) {
    if (!Failed()) mError = (rPath.empty() ? std::string("top level") : rPath) + ": " + rWhat;
  }

  template <class T>
  void Read(const Json& rJson, T& rValue, const std::string& rPath) {
    if (Failed()) return;
    if constexpr (IsFixedText<T>::value) {
      ReadText(rJson, rValue, rPath);
    } else if constexpr (IsStdArray<T>::value) {
      if (!rJson.is_array()) return Fail(rPath, "must be an array");
      if (rJson.size() != rValue.size())
        return Fail(rPath, "array must have " + std::to_string(rValue.size()) + " elements, not " +
                               std::to_string(rJson.size()));
      for (std::size_t i = 0; i < rValue.size(); ++i)
        Read(rJson[i], rValue[i], rPath + "[" + std::to_string(i) + "]");
    } else if constexpr (std::same_as<T, double>) {
      ReadDouble(rJson, rValue, rPath);
    } else if constexpr (Scalar<T>) {
      ReadInteger(rJson, rValue, rPath);
    } else {
      ReadRecord(rJson, rValue, rPath);
    }
  }

  // Every field of the record, and no other key. rExtraKeys are keys the caller reads
  // itself (the channel list beside the top-level record).
  template <class R>
  void ReadRecord(const Json& rJson, R& rRecord, const std::string& rPath,
                  std::initializer_list<std::string_view> rExtraKeys = {}) {
    if (Failed()) return;
    if (!rJson.is_object()) return Fail(rPath, "must be an object");
    std::set<std::string, std::less<>> known(rExtraKeys.begin(), rExtraKeys.end());
    VisitFields([&known](const char* rName, auto&) { known.insert(rName); }, rRecord);
    for (const auto& item : rJson.items())
      if (!known.contains(item.key())) return Fail(Join(rPath, item.key()), "unknown field");
    VisitFields(
        [&](const char* rName, auto& rField) {
          if (Failed()) return;
          const auto it = rJson.find(rName);
          if (it == rJson.end()) return Fail(Join(rPath, rName), "missing field");
          Read(*it, rField, Join(rPath, rName));
        },
        rRecord);
  }

 private:
  template <std::size_t N>
  void ReadText(const Json& rJson, FixedText<N>& rText, const std::string& rPath) {
    if (!rJson.is_string()) return Fail(rPath, "must be a text");
    const auto& utf8 = rJson.get_ref<const std::string&>();
    std::size_t bad = 0;
    const auto bytes = Utf8ToText(utf8, bad);
    if (!bytes)
      return Fail(rPath, "character " + std::to_string(bad + 1) + " is above U+00FF");
    if (bytes->size() != N)
      return Fail(rPath, "text must be " + std::to_string(N) + " characters, not " +
                             std::to_string(CountCodePoints(utf8)));
    std::copy(bytes->begin(), bytes->end(), rText.Bytes.begin());
  }

  void ReadDouble(const Json& rJson, double& rValue, const std::string& rPath) {
    if (rJson.is_number()) {
      rValue = rJson.get<double>();
      return;
    }
    if (rJson.is_string()) {
      const auto bits = ParseHexBits(rJson.get_ref<const std::string&>());
      // Finite values have one form only: the number.
      if (bits && !std::isfinite(*bits)) {
        rValue = *bits;
        return;
      }
      return Fail(rPath, "must be a number (or \"0x\" and 16 hex digits of an infinity or NaN)");
    }
    Fail(rPath, "must be a number");
  }

  template <class T>
  void ReadInteger(const Json& rJson, T& rValue, const std::string& rPath) {
    constexpr auto kMin = static_cast<std::int64_t>(std::numeric_limits<T>::min());
    constexpr auto kMax = static_cast<std::int64_t>(std::numeric_limits<T>::max());
    const std::string range = std::to_string(kMin) + ".." + std::to_string(kMax);
    if (rJson.is_number_float()) return Fail(rPath, "must be a whole number " + range);
    if (!rJson.is_number_integer()) return Fail(rPath, "must be a number " + range);
    bool inRange = false;
    std::int64_t value = 0;
    if (rJson.is_number_unsigned()) {
      const auto u = rJson.get<std::uint64_t>();
      inRange = u <= static_cast<std::uint64_t>(kMax);
      value = inRange ? static_cast<std::int64_t>(u) : 0;
    } else {
      value = rJson.get<std::int64_t>();
      inRange = value >= kMin && value <= kMax;
    }
    if (!inRange) return Fail(rPath, "number outside " + range);
    rValue = static_cast<T>(value);
  }

  std::string mError;
};

}  // namespace

std::string CodeplugToJson(const Codeplug& rPlug, const ChannelTable& rChannels) {
  Json root = ToJsonValue(rPlug);
  Json channels = Json::array();
  const int count = std::clamp<int>(rPlug.ChannelCount, 0, kChannelSlots);
  for (int slot = 0; slot < count; ++slot) channels.push_back(ToJsonValue(rChannels[slot]));
  root[kChannelsKey] = std::move(channels);
  std::string text;
  AppendPretty(root, 0, text);
  return text + "\n";
}

namespace {

// The codeplug form nests a handful of levels. Deeper input is refused while it is
// parsed: the parsed value and its destruction recurse once per level, and tens of
// thousands of levels overflow the stack.
constexpr std::size_t kMaxJsonDepth = 32;

struct TooDeep {};

// The field the parser is in, for an error it raises itself: "Settings.Options[3]".
class JsonPathTracker {
 public:
  bool operator()(int rDepth, Json::parse_event_t rEvent, Json& rParsed) {
    switch (rEvent) {
      case Json::parse_event_t::object_start:
      case Json::parse_event_t::array_start:
        if (static_cast<std::size_t>(rDepth) >= kMaxJsonDepth || mFrames.size() >= kMaxJsonDepth) throw TooDeep{};
        mFrames.push_back({rEvent == Json::parse_event_t::array_start, {}, 0});
        break;
      case Json::parse_event_t::object_end:
      case Json::parse_event_t::array_end:
        if (!mFrames.empty()) mFrames.pop_back();
        ElementDone();
        break;
      case Json::parse_event_t::key:
        if (!mFrames.empty() && rParsed.is_string()) mFrames.back().Key = rParsed.get<std::string>();
        break;
      case Json::parse_event_t::value: ElementDone(); break;
    }
    return true;
  }

  std::string Path() const {
    std::string path;
    for (const Frame& f : mFrames) {
      if (f.Array) {
        path += "[" + std::to_string(f.Count) + "]";
      } else if (!f.Key.empty()) {
        if (!path.empty()) path += ".";
        path += f.Key;
      }
    }
    return path.empty() ? "the JSON text" : path;
  }

 private:
  struct Frame {
    bool Array;
    std::string Key;
    int Count;
  };
  void ElementDone() {
    if (!mFrames.empty() && mFrames.back().Array) ++mFrames.back().Count;
  }
  std::vector<Frame> mFrames;
};

// "[json.exception.out_of_range.406] number overflow parsing '1e999'" → what the user reads.
std::string OverflowText(const std::string& rWhat) {
  const std::size_t open = rWhat.find('\'');
  const std::size_t close = rWhat.rfind('\'');
  if (open == std::string::npos || close <= open) return "number too large";
  return "the number " + rWhat.substr(open + 1, close - open - 1) +
         " is too large (a field holds at most about 1.8e308)";
}

}  // namespace

bool CodeplugFromJson(const std::string& rJson, Codeplug& rPlug, ChannelTable& rChannels,
                      std::string& rError) {
  Json root;
  JsonPathTracker where;
  try {
    root = Json::parse(rJson, std::ref(where));
  } catch (const Json::out_of_range& e) {
    // A number beyond a double ("1e999") stops the parser inside a field.
    rError = where.Path() + ": " + OverflowText(e.what());
    return false;
  } catch (const Json::exception& e) {
    rError = std::string("not valid JSON: ") + e.what();
    return false;
  } catch (const TooDeep&) {
    rError = where.Path() + ": nested more than " + std::to_string(kMaxJsonDepth) +
             " levels deep; a codeplug's JSON form has far fewer";
    return false;
  }

  JsonReader reader;
  Codeplug plug;
  reader.ReadRecord(root, plug, "", {kChannelsKey});
  ChannelTable channels{};
  if (!reader.Failed()) {
    if (plug.ChannelCount < 0 || plug.ChannelCount > kChannelSlots) {
      reader.Fail("ChannelCount", "must be 0.." + std::to_string(kChannelSlots) + ", not " +
                                      std::to_string(plug.ChannelCount));
    } else {
      const auto it = root.find(kChannelsKey);
      if (it == root.end()) {
        reader.Fail(kChannelsKey, "missing field");
      } else if (!it->is_array()) {
        reader.Fail(kChannelsKey, "must be an array");
      } else if (it->size() != static_cast<std::size_t>(plug.ChannelCount)) {
        reader.Fail(kChannelsKey, "holds " + std::to_string(it->size()) +
                                      " channels but ChannelCount is " +
                                      std::to_string(plug.ChannelCount));
      } else {
        for (std::size_t slot = 0; slot < it->size(); ++slot)
          reader.Read((*it)[slot], channels[slot], std::string(kChannelsKey) + "[" + std::to_string(slot) + "]");
      }
    }
  }
  if (reader.Failed()) {
    rError = reader.Error();
    return false;
  }
  rPlug = plug;
  rChannels = channels;
  return true;
}

}  // namespace px
