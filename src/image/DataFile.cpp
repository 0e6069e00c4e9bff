#include "image/DataFile.h"
#include "core/AllClass.h"
#include "core/Clock.h"
#include "core/Language.h"
#include "core/MacType.h"
#include "core/SafeFile.h"
#include "image/ImageRoutines.h"
#include <QFile>

namespace {
const int Body = DataFileSize - TDataFileHeader::Size;   // image bytes 16..447

QString ThreeDigits(double v) { return QStringLiteral("%1").arg(qRound(v), 3, 10, QLatin1Char('0')); }
}

QByteArray BuildDataFile() {
  QByteArray header(TDataFileHeader::Size, char(0xFF));
  const QByteArray mark = (QByteArray("P") + AppState.ModelCode.toLatin1() + QByteArray(8, ' ')).left(5);
  header.replace(0, 5, mark);
  const QString digits = ThreeDigits(AppState.BandLow) + ThreeDigits(AppState.BandHigh);
  for (int i = 0; i < 3; ++i)
    header[TDataFileHeader::BandDigits + i] = char(digits.mid(2 * i, 2).toUInt(nullptr, 16));
  const QDateTime now = Now();
  const int year = now.date().year();
  header[TDataFileHeader::Year] = char(year & 0xFF);
  header[TDataFileHeader::Year + 1] = char((year >> 8) & 0xFF);
  header[TDataFileHeader::Month] = char(now.date().month());
  header[TDataFileHeader::Day] = char(now.date().day());
  header[TDataFileHeader::Hour] = char(now.time().hour());
  header[TDataFileHeader::Minute] = char(now.time().minute());
  return header + AppState.Image.Bytes(Layout::RadioStart, Body);
}

bool SaveDataFile(const QString &path, QString *error) {
  const QByteArray bytes = BuildDataFile();
  QString reason;
  if (!WriteFileAtomically(path, bytes, &reason)) {
    if (error) *error = QStringLiteral("Cannot save \"%1\": %2").arg(path, reason);
    return false;
  }
  AppState.Modified = false;
  return true;
}

TOpenResult OpenDataFile(const QString &path, QString *error) {
  const auto fail = [&](TOpenResult r, const QString &text) {
    if (error) *error = text;
    return r;
  };
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly))
    return fail(TOpenResult::CannotOpen, QStringLiteral("Cannot open \"%1\": %2").arg(path, f.errorString()));
  const QByteArray all = f.read(DataFileSize);
  if (all.size() < TDataFileHeader::Size)
    return fail(TOpenResult::TooShort,
                QStringLiteral("\"%1\" is not a data file: it holds %2 bytes, fewer than its 16-byte header.")
                    .arg(path).arg(all.size()));
  const QString code = QString::fromLatin1(all.mid(TDataFileHeader::ModelCode, 4)).trimmed();
  if (!ModelCatalogue.FindByCode(code)) return fail(TOpenResult::UnknownModel, Messages.ModError);
  const QString digits = all.mid(TDataFileHeader::BandDigits, 3).toHex().toUpper();
  for (QChar c : digits)
    if (!c.isDigit())
      return fail(TOpenResult::BadBand,
                  QStringLiteral("\"%1\" is not a valid data file: its band digits (%2) are damaged.")
                      .arg(path, digits));

  const auto byteAt = [&](int i) { return quint8(all[i]); };
  AppState.FileDate = QStringLiteral("%1-%2-%3 %4:%5")
                          .arg(byteAt(8) | (byteAt(9) << 8))
                          .arg(byteAt(10), 2, 10, QLatin1Char('0'))
                          .arg(byteAt(11), 2, 10, QLatin1Char('0'))
                          .arg(byteAt(12), 2, 10, QLatin1Char('0'))
                          .arg(byteAt(13), 2, 10, QLatin1Char('0'));
  AppState.BandLow = digits.left(3).toInt();
  AppState.BandHigh = digits.mid(3).toInt();
  // A short file fills the image as far as it goes; the rest keeps its bytes.
  AppState.Image.SetBytes(Layout::RadioStart, all.mid(TDataFileHeader::Size));
  AppState.Image.SetBytes(Layout::Password, all.left(8));
  SelectModel(AppState.Image.Byte(Layout::IdentBandCode), true);
  FixImage();
  AppState.Modified = false;
  return TOpenResult::Ok;
}
