#include "channels/ToneTables.h"
#include "image/Codecs.h"

namespace {
// Index code (hex), tone in Hz, letter code.
const char *const CtcssRows[CtcssPickerCount][3] = {
    {"01", "67.0", "XZ"},  {"02", "69.3", "WZ"},  {"03", "71.9", "XA"},  {"04", "74.4", "WA"},
    {"05", "77.0", "XB"},  {"06", "79.7", "WB"},  {"07", "82.5", "YZ"},  {"08", "85.4", "YA"},
    {"09", "88.5", "YB"},  {"0A", "91.5", "ZZ"},  {"0B", "94.8", "ZA"},  {"0C", "97.4", "ZB"},
    {"0D", "100.0", "1Z"}, {"0E", "103.5", "1A"}, {"0F", "107.2", "1B"}, {"10", "110.9", "2Z"},
    {"11", "114.8", "2A"}, {"12", "118.8", "2B"}, {"13", "123.0", "3Z"}, {"14", "127.3", "3A"},
    {"15", "131.8", "3B"}, {"16", "136.5", "4Z"}, {"17", "141.3", "4A"}, {"18", "146.2", "4B"},
    {"19", "151.4", "5Z"}, {"1A", "156.7", "5A"}, {"1B", "162.2", "5B"}, {"1C", "167.9", "6Z"},
    {"1D", "173.8", "6A"}, {"1E", "179.9", "6B"}, {"1F", "186.2", "7Z"}, {"20", "192.8", "7A"},
    {"21", "203.5", "M1"}, {"22", "206.5", "8Z"}, {"23", "210.7", "M2"}, {"24", "218.1", "M3"},
    {"25", "225.7", "M4"}, {"26", "229.1", "9Z"}, {"27", "233.6", "M5"}, {"28", "241.8", "M6"},
    {"29", "250.3", "M7"}, {"2A", "254.1", "0Z"},
};
}

const QStringList &ToneSourceList() {
  static const QStringList list = [] {
    QStringList l;
    for (const auto &row : CtcssRows)
      l << QStringLiteral("%1-%2-%3").arg(QLatin1String(row[0]), QLatin1String(row[1]), QLatin1String(row[2]));
    for (int i = 0; i < PickerPadding; ++i) l << QString();
    // The picker knows two codes more than the drop-down list: 525 and 645.
    QStringList codes;
    for (const QString &c : DcsCodes()) {
      codes << c;
      if (c == QLatin1String("516")) codes << QStringLiteral("525");
      if (c == QLatin1String("632")) codes << QStringLiteral("645");
    }
    for (int i = 0; i < codes.size(); ++i) l << QStringLiteral("%1-D%2").arg(i + 1).arg(codes[i]);
    for (int i = 0; i < PickerPadding; ++i) l << QString();
    return l;
  }();
  return list;
}

QStringList ToneDropDownItems() {
  QStringList items{QStringLiteral("None")};
  items << ToneListEntries();
  return items;
}

TToneEntryParts SplitToneEntry(const QString &entry) {
  TToneEntryParts p;
  const int first = entry.indexOf('-');
  if (first < 0) { p.First = entry; return p; }
  p.First = entry.left(first);
  const int second = entry.indexOf('-', first + 1);
  if (second < 0) { p.Second = entry.mid(first + 1); return p; }
  p.Second = entry.mid(first + 1, second - first - 1);
  p.Rest = entry.mid(second + 1);
  return p;
}
