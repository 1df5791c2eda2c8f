#pragma once
// A fully populated codeplug for tests and benchmarks: 200 memory channels plus PA, PB
// and VFO, every settings page away from its defaults, odd and even digit counts, empty,
// short and full names, DCS codes above 255, both tone types and every signalling type.
//
// Every value lies inside what the radio can hold and every text is in the form the
// radio gives back, so decoding the encoded codeplug reproduces it field for field.
// The fields the radio does not keep (PttIdOn, ExtraDisplayIndex, Spare2, Spare3,
// Spare4, Spare6, Spare7, the DTMF PttIdMode, OptionValues 20..22, CodeBytes[0] of the
// 5-Tone codes, the Empty flags and names of the two special codes) hold the values a
// decoded codeplug has.

#include "app/app_state.h"

namespace px::test {

// Replaces rState.Current and rState.Channels; the band state is left alone.
void FillFullCodeplug(AppState& rState);

}  // namespace px::test

namespace px {
using test::FillFullCodeplug;
}  // namespace px
