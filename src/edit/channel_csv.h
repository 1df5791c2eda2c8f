#pragma once
// Memory channels as the generic channel-list CSV that radio programs exchange:
// Location (0..199, our Number - 1), Name, Frequency and Offset in MHz, Duplex
// ("", "+", "-", "split", "off"), the tone columns (Tone, rToneFreq, cToneFreq,
// DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode), Mode (FM, NFM), TStep (kHz), Skip,
// Power. Fields the layout cannot hold are left out of an export; an import keeps them
// as the channel had them (the channel editor's defaults for a new channel), so that a
// list exported, edited elsewhere and imported again changes exactly what was edited.
// Frequencies are checked like the channel editor's: the raster correction applies,
// but a receive frequency outside the band refuses the row instead of moving to the band
// edge; a transmit frequency outside it makes the channel receive-only, with a note.
// Powers may be words or wattages ("5.0W"), which take a level by their rank among the
// file's wattages. Where no DCS applies, an export writes the neutral code 023.

#include <string>
#include <string_view>
#include <vector>

#include "app/app_state.h"

namespace px {

const std::vector<std::string>& ChannelCsvHeader();

// One row for a channel (its Number gives the Location), UTF-8 texts.
std::vector<std::string> ChannelCsvFields(const ChannelRecord& rChannel);
// Header and one row per memory channel in Location order, CR LF line ends.
std::string ExportChannelsCsv(const AppState& rState);
// The same for the given channel Numbers only (the ones that hold a channel).
std::string ExportChannelsCsv(const AppState& rState, const std::vector<int>& rNumbers);

struct CsvImportedChannel {
  int Line = 0;
  Int16 Number = 0;
  ChannelRecord Record;  // as it will be stored
  bool Replaces = false; // the Location holds a channel now
  bool Changes = true;   // false when the stored channel is the same already
  std::vector<std::string> Notes;  // corrections made (raster, name cut), current language
};

struct CsvRefusedRow {
  int Line = 0;
  std::string Location;  // as written in the row
  std::string Reason;    // current language
};

struct ChannelImportPlan {
  std::string Error;  // the file as a whole cannot be read; then nothing else is set
  std::vector<CsvImportedChannel> Channels;
  std::vector<CsvRefusedRow> Refused;

  int Added() const;
  int Replaced() const;    // replaced with a different channel
  int Unchanged() const;
};

// What importing rCsvText would do to the current channels; changes nothing.
ChannelImportPlan PlanChannelImport(const AppState& rState, std::string_view rCsvText);
// Stores the plan's channels that change something and repairs the channel references
// once. Returns the number of channels stored.
int ApplyChannelImport(AppState& rState, const ChannelImportPlan& rPlan);

// "12 channels: 3 new, 9 replaced, 0 unchanged; 2 rows refused" in the current language.
std::string ImportSummaryText(const AppState& rState, const ChannelImportPlan& rPlan);
// "line 7 (location 12): reason" in the current language.
std::string RefusedRowText(const AppState& rState, const CsvRefusedRow& rRow);

// UTF-8 to the bytes of a fixed text (Latin-1; the other way is Latin1ToUtf8); false
// when the text holds a character beyond Latin-1 or is not UTF-8.
bool Utf8ToLatin1(std::string_view rText, std::string& rOut);

}  // namespace px
