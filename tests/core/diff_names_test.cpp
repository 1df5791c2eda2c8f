// diff names every difference in words: a label where a control shows it, else a stable
// field name, and never an array index, whichever stored value of the codeplug changed.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "codeplug/record_fields.h"
#include "edit/codeplug_diff.h"
#include "edit/page_fields.h"
#include "support/full_codeplug.h"
#include "support/program_folder.h"
#include "support/temp_dir.h"

namespace px {
namespace {

// Walks the stored values of a record in file order, as diff flattens it, calling
// rLeaf(path, value) for each. rSampled: of an array of records only the first two
// elements and the last, which are named and shown as the others are.
template <class T, class F>
void Walk(const std::string& rPath, T& rField, F& rLeaf, bool rSampled) {
  if constexpr (Scalar<T> || IsFixedText<T>::value) {
    rLeaf(rPath, rField);
  } else if constexpr (IsStdArray<T>::value) {
    using Element = typename T::value_type;
    constexpr bool records = !Scalar<Element> && !IsFixedText<Element>::value;
    for (std::size_t i = 0; i < rField.size(); ++i)
      if (!(records && rSampled) || i < 2 || i + 1 == rField.size())
        Walk(rPath + "[" + std::to_string(i) + "]", rField[i], rLeaf, rSampled);
  } else {
    VisitFields([&](const char* rName, auto& rMember) {
      Walk(rPath.empty() ? std::string(rName) : rPath + "." + rName, rMember, rLeaf, rSampled);
    }, rField);
  }
}

// A different value of the same kind: one more, or another first character.
template <class T>
void Change(T& rValue) {
  if constexpr (IsFixedText<T>::value) {
    rValue.Bytes[0] = rValue.Bytes[0] == 'A' ? 'B' : 'A';
  } else {
    rValue = static_cast<T>(rValue + 1);
  }
}

// Each stored value of rPlug by its path, with a way to change it there.
struct Leaf {
  std::string Path;
  std::function<void()> Change;
};
std::vector<Leaf> LeavesOf(Codeplug& rPlug, bool rSampled) {
  std::vector<Leaf> leaves;
  auto collect = [&leaves](const std::string& rPath, auto& rValue) {
    leaves.push_back({rPath, [&rValue] { Change(rValue); }});
  };
  Walk("", rPlug, collect, rSampled);
  return leaves;
}

class DiffNamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::MakeProgramFolder(mHome.Path());
    mState.ProgramFolder = mHome.Path().string();
    FillFullCodeplug(mState);
  }
  void SetUpAfter(bool rSampled = true) {
    mAfter = mState;
    mLeaves = LeavesOf(mAfter.Current, rSampled);
  }
  // The diff lines when only the value at rLeaf differs.
  std::vector<std::string> LinesAfterChanging(const Leaf& rLeaf) {
    mAfter.Current = mState.Current;
    rLeaf.Change();
    std::vector<std::string> lines;
    for (const CodeplugDifference& d : DiffCodeplugs(mState, mAfter)) lines.push_back(DifferenceLine(d));
    return lines;
  }
  std::vector<std::string> LinesAfterChanging(const std::string& rPath) {
    for (const Leaf& leaf : mLeaves)
      if (leaf.Path == rPath) return LinesAfterChanging(leaf);
    ADD_FAILURE() << "no such path " << rPath;
    return {};
  }
  test::TempDir mHome;
  AppState mState;
  AppState mAfter;
  std::vector<Leaf> mLeaves;  // into mAfter
};

TEST(FieldNameOfPath, NumbersElementsFromOneAfterTheirArraysSingular) {
  const struct {
    const char* Path;
    const char* Name;
  } cases[] = {
      {"Settings.TwoTone.Header[0]", "TwoTone.Header1"},
      {"Settings.TwoTone.Entries[0].ToneBytes[7]", "TwoTone.Entry1.ToneByte8"},
      {"Settings.FiveTone.Codes[7].CodeBytes[1]", "FiveTone.Code8.CodeByte2"},
      {"Settings.FiveTone.InfoCodes[7].Name", "FiveTone.InfoCode8.Name"},
      {"Settings.FiveTone.ToneTable[15]", "FiveTone.ToneTable16"},
      {"Settings.FiveTone.SpecialCodeB.CodeBytes[0]", "FiveTone.SpecialCodeB.CodeByte1"},
      {"Settings.Dtmf.CodeMemory[15].Digits", "Dtmf.CodeMemory16.Digits"},
      {"Book[12].CallId", "Book.Entry13.CallId"},
      {"Book[127].Index", "Book.Entry128.Index"},
      {"MaxTxFreq", "MaxTxFreq"},
      // Declared fields go by their own names.
      {"Settings.Scan[10]", "Scan.Group1"},
      {"Settings.TwoTone.Header[4]", "TwoTone.Format"},
      {"Settings.Dtmf.AniOn", "Dtmf.Ani"},
      {"Settings.FiveTone.PageWords[1]", "FiveTone.PauseTime"},
      {"FiveToneLastOption", "FiveTone.LastToneDuration"},
      // Whatever a path holds, no bracket comes out.
      {"Odd[x]", "Oddx"},
      {"Open[3", "Open_3"},
      {"Close]", "Close_"},
  };
  for (const auto& c : cases) EXPECT_EQ(FieldNameOfPath(c.Path), c.Name) << c.Path;
}

// Two stored values never share a name, so a diff line says which one changed; no name
// holds an index.
TEST_F(DiffNamesTest, EveryStoredValueHasItsOwnName) {
  SetUpAfter(false);
  std::vector<std::string> names;
  for (const Leaf& leaf : mLeaves) {
    names.push_back(FieldNameOfPath(leaf.Path));
    EXPECT_EQ(names.back().find_first_of("[]"), std::string::npos) << leaf.Path;
  }
  std::sort(names.begin(), names.end());
  const auto twice = std::adjacent_find(names.begin(), names.end());
  EXPECT_EQ(twice, names.end()) << *twice;
}

// Every value of the pages and records, and of the arrays of records their first two
// elements and their last.
TEST_F(DiffNamesTest, AnyChangedValueIsToldWithoutAnArrayIndex) {
  SetUpAfter();
  for (const Leaf& leaf : mLeaves) {
    // Derived from the rest, and left out of diff.
    if (leaf.Path == "BandIndex" || leaf.Path == "ChannelCount") continue;
    const std::vector<std::string> lines = LinesAfterChanging(leaf);
    EXPECT_FALSE(lines.empty()) << leaf.Path;
    for (const std::string& line : lines) {
      const std::string where = line.substr(0, line.find(": "));
      EXPECT_EQ(where.find_first_of("[]"), std::string::npos) << leaf.Path << " gives " << line;
    }
  }
}

// Values no control of their page shows go by their field names.
TEST_F(DiffNamesTest, AValueNoControlShowsGoesByItsName) {
  const struct {
    const char* Path;
    const char* Name;
  } cases[] = {
      {"Settings.TwoTone.Header[3]", "TwoTone.Header4"},
      {"Settings.TwoTone.Entries[4].ToneBytes[0]", "TwoTone.Entry5.ToneByte1"},
      {"Settings.FiveTone.Codes[7].CodeBytes[0]", "FiveTone.Code8.CodeByte1"},
      {"Settings.FiveTone.PageBytes[0]", "FiveTone.PageByte1"},
      {"Book[12].Index", "Book.Entry13.Index"},
  };
  SetUpAfter(false);
  for (const auto& c : cases) {
    const std::vector<std::string> lines = LinesAfterChanging(c.Path);
    const std::string lead = std::string(c.Name) + ": ";
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(lead); }))
        << c.Path << ": " << ::testing::PrintToString(lines);
  }
}

}  // namespace
}  // namespace px
