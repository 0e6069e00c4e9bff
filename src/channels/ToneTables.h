#pragma once
// The tone picker's tables: every CTCSS tone and DCS code of the radio series with the
// customary index and letter codes. Widget-free, so the command-line tool may use it too.
#include <QString>
#include <QStringList>

// 133 texts: the 42 CTCSS entries "01-67.0-XZ", 3 empty, the 85 DCS entries "1-D023", 3 empty.
const QStringList &ToneSourceList();
constexpr int CtcssPickerCount = 42, DcsPickerCount = 85, PickerPadding = 3;

// The tone drop-down list of the channel editors: "None", then every tone of ToneListEntries.
QStringList ToneDropDownItems();

// One source entry split at its hyphens: before the first, between the first and second, the rest.
struct TToneEntryParts { QString First, Second, Rest; };
TToneEntryParts SplitToneEntry(const QString &entry);
