#pragma once
// Frequency and tone codecs, the frequency check and the channel raster.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

using TBcd4 = std::array<quint8, 4>;
using TTone2 = std::array<quint8, 2>;

// "460.125" or "460.125MHz" to the 8 BCD digits of 10 Hz units, lowest pair first; an empty
// text gives the blank form FF FF FF FF. A text that is not a frequency below 1000 MHz gives nothing.
std::optional<TBcd4> FreqToBcd(const QString &text);
// Nothing when any nibble is above 9.
std::optional<double> BcdToFreq(quint8 b0, quint8 b1, quint8 b2, quint8 b3);
// Tone text ("", "88.5", "D023N", "D754I") to its two bytes; nothing for an unreadable text.
std::optional<TTone2> ToneToBytes(const QString &text);
QString BytesToTone(quint8 b0, quint8 b1);   // empty for no tone
double SnapFrequency(double x);
// Checks a typed frequency against the model's limits and the current band, showing
// ErrRange or OutRange (caption Caution); returns the value to store.
double CheckFrequency(double v);
QString NormalizeTone(const QString &text);

// What a channel editor shows and stores for a typed frequency: checked against the model and
// the band (showing the message), snapped to the channel raster, with five decimals.
QString ChannelFrequencyText(double typed);
// A tone box's entry as the channel editors show it: the none text for an empty entry or the
// none text itself, otherwise the normalised tone.
QString ToneEntryText(const QString &typed, const QString &noneText);
// The tone text a shown entry stores: empty for the none text.
QString ToneFieldText(const QString &shown, const QString &noneText);

// "0.00000" with '.' as the separator.
QString FreqText(double mhz);
// Reads a typed number with '.' as the separator.
std::optional<double> ParseNumber(const QString &text);

// The tone drop-down entries after its first ("None") entry: 39 CTCSS tones, then the 83 DCS
// codes with N, then with I.
const QStringList &ToneListEntries();
const QStringList &CtcssTones();
const QStringList &DcsCodes();   // "023" ... "754"
