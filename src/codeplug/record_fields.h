#pragma once
// One list of every record's fields, by name and in file order. The file writer and
// reader, the JSON form and the modification check all walk the records through it,
// so the order is written down once.
//
// A visitor is called as v(name, field) for every field. A field is an Int16, a Byte,
// a double, a FixedText<N>, a std::array of any of these or of records, or a record;
// records are visited through VisitFields again.

#include <concepts>
#include <type_traits>

#include "codeplug/records.h"

namespace px {

template <class R, class T>
concept RecordOf = std::same_as<std::remove_const_t<R>, T>;

template <class V, class R>
  requires(RecordOf<R, DtmfCodeField<24>> || RecordOf<R, DtmfCodeField<14>>)
void VisitFields(V&& v, R& r) {
  v("Digits", r.Digits);
  v("Length", r.Length);
}

template <class V, RecordOf<DtmfSettings> R>
void VisitFields(V&& v, R& r) {
  v("CodeMemory", r.CodeMemory);
  v("PttIdBeginCode", r.PttIdBeginCode);
  v("PttIdEndCode", r.PttIdEndCode);
  v("KillCode", r.KillCode);
  v("StunCode", r.StunCode);
  v("AniOn", r.AniOn);
  v("DigitTimeIndex", r.DigitTimeIndex);
  v("PttIdMode", r.PttIdMode);
  v("SelfId", r.SelfId);
  v("SeparatorDigit", r.SeparatorDigit);
  v("GroupDigit", r.GroupDigit);
  v("DecodeResponse", r.DecodeResponse);
  v("FirstDigitDelay", r.FirstDigitDelay);
  v("PreSendDelay", r.PreSendDelay);
  v("ResetTime", r.ResetTime);
  v("PostSendDelay", r.PostSendDelay);
  v("PauseTime", r.PauseTime);
  v("SideTone", r.SideTone);
}

template <class V, RecordOf<TwoToneEntry> R>
void VisitFields(V&& v, R& r) {
  v("Empty", r.Empty);
  v("ToneBytes", r.ToneBytes);
  v("Name", r.Name);
}

template <class V, RecordOf<TwoToneSettings> R>
void VisitFields(V&& v, R& r) {
  v("Header", r.Header);
  v("Entries", r.Entries);
}

template <class V, RecordOf<FiveToneInfoCode> R>
void VisitFields(V&& v, R& r) {
  v("CodeBytes", r.CodeBytes);
  v("Code", r.Code);
  v("Name", r.Name);
}

template <class V, RecordOf<FiveToneCode> R>
void VisitFields(V&& v, R& r) {
  v("Empty", r.Empty);
  v("CodeBytes", r.CodeBytes);
  v("Digits", r.Digits);
  v("Name", r.Name);
}

template <class V, RecordOf<FiveToneSettings> R>
void VisitFields(V&& v, R& r) {
  v("PageBytes", r.PageBytes);
  v("PageText", r.PageText);
  v("PageBytes2", r.PageBytes2);
  v("PageWords", r.PageWords);
  v("InfoCodes", r.InfoCodes);
  v("SpecialCodeA", r.SpecialCodeA);
  v("SpecialCodeB", r.SpecialCodeB);
  v("Codes", r.Codes);
  v("ToneTable", r.ToneTable);
}

template <class V, RecordOf<OptionSettings> R>
void VisitFields(V&& v, R& r) {
  v("OptionValues", r.OptionValues);
  v("PowerOnMessage", r.PowerOnMessage);
  v("OptionValue24", r.OptionValue24);
  v("PowerOnPassword", r.PowerOnPassword);
}

template <class V, RecordOf<BookEntry> R>
void VisitFields(V&& v, R& r) {
  v("Index", r.Index);
  v("CallId", r.CallId);
  v("Name", r.Name);
}

template <class V, RecordOf<RadioSettings> R>
void VisitFields(V&& v, R& r) {
  v("KeyFunctions", r.KeyFunctions);
  v("Dtmf", r.Dtmf);
  v("TwoTone", r.TwoTone);
  v("FiveTone", r.FiveTone);
  v("Options", r.Options);
  v("Scan", r.Scan);
  v("Alert", r.Alert);
}

template <class V, RecordOf<Codeplug> R>
void VisitFields(V&& v, R& r) {
  v("BandIndex", r.BandIndex);
  v("MinRxFreq", r.MinRxFreq);
  v("MaxRxFreq", r.MaxRxFreq);
  v("MinTxFreq", r.MinTxFreq);
  v("MaxTxFreq", r.MaxTxFreq);
  v("Settings", r.Settings);
  v("ChannelCount", r.ChannelCount);
  v("Book", r.Book);
  v("FiveToneLastOption", r.FiveToneLastOption);
}

template <class V, RecordOf<ChannelRecord> R>
void VisitFields(V&& v, R& r) {
  v("Number", r.Number);
  v("InUse", r.InUse);
  v("ScanSkip", r.ScanSkip);
  v("RxFreq", r.RxFreq);
  v("OffsetFreq", r.OffsetFreq);
  v("Name", r.Name);
  v("StepIndex", r.StepIndex);
  v("TxInhibit", r.TxInhibit);
  v("BandwidthIndex", r.BandwidthIndex);
  v("DcsInvertA", r.DcsInvertA);
  v("Spare1", r.Spare1);
  v("Spare2", r.Spare2);
  v("Spare3", r.Spare3);
  v("Spare4", r.Spare4);
  v("OffsetDirection", r.OffsetDirection);
  v("TxPowerIndex", r.TxPowerIndex);
  v("Talkaround", r.Talkaround);
  v("DcsInvertB", r.DcsInvertB);
  v("Spare5", r.Spare5);
  v("Compander", r.Compander);
  v("Spare6", r.Spare6);
  v("ToneTypeA", r.ToneTypeA);
  v("ToneTypeB", r.ToneTypeB);
  v("CtcssIndexA", r.CtcssIndexA);
  v("CtcssIndexB", r.CtcssIndexB);
  v("DcsIndexA", r.DcsIndexA);
  v("DcsIndexB", r.DcsIndexB);
  v("SignallingType", r.SignallingType);
  v("Spare7", r.Spare7);
  v("TwoToneEntryNumber", r.TwoToneEntryNumber);
  v("FiveToneEntryNumber", r.FiveToneEntryNumber);
  v("PttIdOn", r.PttIdOn);
  v("Reverse", r.Reverse);
  v("ScramblerIndex", r.ScramblerIndex);
  v("DtmfPttIdMode", r.DtmfPttIdMode);
  v("FiveTonePttIdMode", r.FiveTonePttIdMode);
  v("SquelchModeIndex", r.SquelchModeIndex);
  v("DtmfCodeIndex", r.DtmfCodeIndex);
  v("ExtraDisplayIndex", r.ExtraDisplayIndex);
  v("BusyLockIndex", r.BusyLockIndex);
  v("Spare8", r.Spare8);
  v("PttIdDecode", r.PttIdDecode);
  v("PttIdCode", r.PttIdCode);
}

// Field kinds a visitor distinguishes.
template <class T>
struct IsFixedText : std::false_type {};
template <std::size_t N>
struct IsFixedText<FixedText<N>> : std::true_type {};

template <class T>
struct IsStdArray : std::false_type {};
template <class T, std::size_t N>
struct IsStdArray<std::array<T, N>> : std::true_type {};

template <class T>
concept Scalar = std::same_as<T, Int16> || std::same_as<T, Byte> || std::same_as<T, double>;

}  // namespace px
