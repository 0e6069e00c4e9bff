// new and info: data files without a radio.
#include "cli/CliCommon.h"
#include "core/AllClass.h"
#include "core/Language.h"
#include "core/MacType.h"
#include "image/Codecs.h"
#include "image/DataFile.h"
#include "image/FunctionSettings.h"
#include "image/ImageRoutines.h"
#include <QFileInfo>
#include <QRegularExpression>

namespace {
TMacType *ModelByArgument(const QString &arg) {
  if (arg.isEmpty()) return ModelCatalogue.ItemAt(0);
  for (int i = 0; i < ModelCatalogue.Count(); ++i) {
    TMacType *m = ModelCatalogue.ItemAt(i);
    if (m->Code == arg || m->Name.compare(arg, Qt::CaseInsensitive) == 0 ||
        m->Name.endsWith('(' + arg.toUpper() + ')'))
      return m;
  }
  return nullptr;
}

// A band given as "450-470", "450 - 470MHz" or exactly as listed.
QString BandByArgument(const TMacType *model, const QString &arg) {
  if (arg.isEmpty()) return model->DefaultBand;
  double low = 0, high = 0;
  if (!ParseBandText(arg.contains(QLatin1String("MHz")) ? arg : arg + QStringLiteral("MHz"), low, high))
    return QString();
  for (const QString &b : model->Bands) {
    double l = 0, h = 0;
    if (ParseBandText(b, l, h) && l == low && h == high) return b;
  }
  return QString();
}

QString Pad(const QString &s, int width) { return s.leftJustified(width); }
}

int CmdNew(QStringList args) {
  const QString modelArg = TakeOption(args, QStringLiteral("--model"));
  const QString bandArg = TakeOption(args, QStringLiteral("--band"));
  QString out = TakeOption(args, QStringLiteral("-o"));
  if (out.isEmpty() && args.size() == 1) out = args.takeFirst();
  if (out.isEmpty() || !args.isEmpty()) return Fail(ExitUsage, QStringLiteral("usage: new [--model UHF|VHF] [--band TEXT] -o FILE"));
  const TMacType *model = ModelByArgument(modelArg);
  if (!model) return Fail(ExitUsage, QStringLiteral("unknown model \"%1\" (use UHF, VHF, 6405 or 5405)").arg(modelArg));
  const QString band = BandByArgument(model, bandArg);
  if (band.isEmpty())
    return Fail(ExitUsage, QStringLiteral("model %1 has no band \"%2\"; its bands: %3")
                               .arg(model->Name, bandArg, model->Bands.join(QStringLiteral(", "))));
  SelectModel(BandTable.CodeOf(band), true);
  NewImage();
  QString error;
  if (!SaveDataFile(out, &error)) return Fail(ExitFile, error);
  Out(QStringLiteral("%1, band %2: blank image saved to %3").arg(AppState.ModelName, AppState.BandName, out));
  return ExitOk;
}

int CmdInfo(QStringList args) {
  if (args.size() != 1) return Fail(ExitUsage, QStringLiteral("usage: info FILE"));
  QString error;
  if (OpenDataFile(args.first(), &error) != TOpenResult::Ok) return Fail(ExitFile, error);

  Out(QStringLiteral("Model:          %1").arg(AppState.ModelName));
  Out(QStringLiteral("Band:           %1").arg(AppState.BandName));
  Out(QStringLiteral("Serial number:  %1").arg(VisibleText(Layout::Serial, Layout::SerialWidth).trimmed()));
  Out(QStringLiteral("Write time:     %1").arg(WriteTimeText()));
  Out(QString());

  const QStringList titles = {"Channel No.", "RX Frequency", "TX Frequency", "QT/DQT Dec", "QT/DQT Enc",
                              "TX Power", "W/N", "Scan Add", "Compander", "Scrambler", "Busy Lock"};
  QList<QStringList> rows;
  for (int n = 1; n <= AppState.ChannelCount; ++n) {
    const TChannel ch = ReadChannel(n);
    QStringList row{QString::number(n)};
    if (ch.Present) {
      const QString none = QStringLiteral("None");
      row << FreqText(ch.Rx) << (ch.Tx < 0 ? QString() : FreqText(ch.Tx))
          << (ch.RxTone.isEmpty() ? none : ch.RxTone) << (ch.TxTone.isEmpty() ? none : ch.TxTone)
          << PowerTexts()[ch.Flags[3]] << WidthTexts()[ch.Flags[2]] << YesNoTexts()[ch.Flags[4]]
          << YesNoTexts()[ch.Flags[5]] << YesNoTexts()[ch.Flags[6]] << YesNoTexts()[ch.Flags[0]];
    }
    rows << row;
  }
  QList<int> widths;
  for (int c = 0; c < titles.size(); ++c) {
    int w = int(titles[c].size());
    for (const auto &r : rows) if (c < r.size()) w = qMax(w, int(r[c].size()));
    widths << w;
  }
  const auto line = [&](const QStringList &cells) {
    QString s;
    for (int c = 0; c < titles.size(); ++c) s += Pad(c < cells.size() ? cells[c] : QString(), widths[c] + 2);
    Out(s.trimmed().isEmpty() ? QString() : QString(s).remove(QRegularExpression(QStringLiteral("\\s+$"))));
  };
  line(titles);
  for (const auto &r : rows) line(r);
  Out(QString());

  int captionWidth = 0;
  for (const auto &s : FunctionSettings()) if (!s.Hidden) captionWidth = qMax(captionWidth, int(s.Caption.size()));
  for (const auto &s : FunctionSettings()) {
    if (s.Hidden) continue;
    Out(Pad(s.Caption, captionWidth + 2) + SettingValueText(s, AppState.Image));
  }
  return ExitOk;
}
