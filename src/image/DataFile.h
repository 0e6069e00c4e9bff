#pragma once
// The data file (*.dat): a 16-byte header and image bytes 16 to 447.
#include <QByteArray>
#include <QString>

struct TDataFileHeader {
  static constexpr int Size = 16, Mark = 0, ModelCode = 1, BandDigits = 5, Year = 8, Month = 10, Day = 11,
                       Hour = 12, Minute = 13;
};
constexpr int DataFileSize = 448;

// The 448 bytes that saving writes now: header stamped with Now(), then image bytes 16..447.
QByteArray BuildDataFile();
// Saves through a temporary file in the same directory, renamed over the target only when
// every byte is written; a failed save leaves any existing file untouched. Clears Modified.
bool SaveDataFile(const QString &path, QString *error);

enum class TOpenResult { Ok, CannotOpen, TooShort, BadBand, UnknownModel };
// Loads a data file into the image and makes its model and band current; clears Modified.
// On failure nothing changes and error holds the message for the user.
TOpenResult OpenDataFile(const QString &path, QString *error);
