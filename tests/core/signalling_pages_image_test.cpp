// What the DTMF and 2-Tone pages store reaches the radio image as the codec lays it out,
// and reads back into the same page.

#include <gtest/gtest.h>

#include "edit/codeplug_ops.h"
#include "edit/dtmf_rules.h"
#include "edit/two_tone_rules.h"
#include "link/codec.h"
#include "link/radio_image.h"
#include "support/scripted_ui.h"

namespace px {
namespace {

TEST(SignallingPagesImage, EditedPagesReachTheImageAndReadBack) {
  AppState state;
  ResetToDefaults(state.Current);
  CreateDefaultChannel(state.Current, state.Channels);
  state.Current.ChannelCount = 1;
  test::ScriptedUi ui;

  DtmfPageInputs dtmf = LoadDtmfInputs(state, state.Current.Settings.Dtmf);
  dtmf.Codes[0] = "1*2#";
  dtmf.Codes[kDtmfKillBox] = "123";
  dtmf.OwnId = "45";
  ASSERT_TRUE(ApplyDtmfPage(state, dtmf, ui));

  TwoTonePage twoTone = OpenTwoTonePage(state);
  CommitTwoToneCell(twoTone.Scratch.Entries[3], twoTone.Rows[3], kTwoToneColumnFirst, "1000");
  CommitTwoToneCell(twoTone.Scratch.Entries[3], twoTone.Rows[3], kTwoToneColumnName, "AB");
  twoTone.Scratch.Header[TwoToneSlot::Format] = 13;  // Long B
  twoTone.Inputs.Tones[1] = "1000";
  ApplyTwoTonePage(state, twoTone);

  RadioImage image{};
  PreFillImage(image);
  ASSERT_TRUE(EncodeCodeplug(state, image, ui));
  EXPECT_EQ(image[0x0400], 0x1E);
  EXPECT_EQ(image[0x0401], 0x2F);
  EXPECT_EQ(image[0x040C], 4);
  EXPECT_EQ(image[0x02F0], 0x12);
  EXPECT_EQ(image[0x02F1], 0x30);
  EXPECT_EQ(image[0x02F7], 3);
  EXPECT_EQ((std::array<Byte, 3>{image[0x02E7], image[0x02E8], image[0x02E9]}), (std::array<Byte, 3>{0, 4, 5}));
  // The entry's pairs swap; the header's 16-bit values change byte order.
  const std::size_t entry = 0x0B00 + 16 * 3;
  EXPECT_EQ((std::array<Byte, 8>{image[entry], image[entry + 1], image[entry + 4], image[entry + 5], image[entry + 8],
                                 image[entry + 9], image[entry + 10], image[entry + 11]}),
            (std::array<Byte, 8>{88, 2, 16, 39, 'A', 'B', ' ', ' '}));
  EXPECT_EQ(image[0x0380] & 0x08, 0);  // entry 3 in use
  EXPECT_EQ(image[0x0300], 16);
  EXPECT_EQ(image[0x0301], 39);
  EXPECT_EQ(image[0x030F], 13);

  const Codeplug edited = state.Current;
  AppState read;
  DecodeCodeplug(read, image);
  EXPECT_EQ(LoadDtmfInputs(read, read.Current.Settings.Dtmf), LoadDtmfInputs(state, edited.Settings.Dtmf));
  EXPECT_EQ(OpenTwoTonePage(read).Rows, OpenTwoTonePage(state).Rows);
  EXPECT_EQ(read.Current.Settings.TwoTone.Header, edited.Settings.TwoTone.Header);
}

}  // namespace
}  // namespace px
