#include "core/MacType.h"
#include "core/AllClass.h"

TMacList ModelCatalogue;
TFrqList BandTable;

namespace {
struct TBandRow { const char *Text; int Code; };
// Position matters: CodeOf falls back to row 0, TextOf to row 10.
const TBandRow BandRows[] = {
    {" 27 -  72MHz", 253}, {"136 - 150MHz", 241}, {"136 - 174MHz", 242}, {"150 - 174MHz", 240},
    {"216 - 223MHz", 243}, {"350 - 370MHz", 250}, {"350 - 390MHz", 251}, {"370 - 390MHz", 252},
    {"400 - 420MHz", 248}, {"400 - 470MHz", 247}, {"440 - 480MHz", 249}, {"450 - 470MHz", 244},
    {"450 - 490MHz", 245}, {"470 - 650MHz", 246},
};
constexpr int TextFallbackRow = 10;

struct TModelRow {
  const char *Code; const char *Suffix; int Channels; double Max, Min;
  std::vector<const char *> Bands; const char *Default;
};
const TModelRow ModelRows[] = {
    {"6405", "(UHF)", 16, 650.0, 300.0,
     {"350 - 370MHz", "350 - 390MHz", "370 - 390MHz", "400 - 420MHz", "400 - 470MHz", "440 - 480MHz",
      "450 - 470MHz", "450 - 490MHz", "470 - 650MHz"},
     "450 - 470MHz"},
    {"5405", "(VHF)", 16, 300.0, 67.0, {"136 - 150MHz", "136 - 174MHz", "150 - 174MHz", "216 - 223MHz"},
     "150 - 174MHz"},
};
}

TMacType *TMacList::ItemAt(int index) const {
  return index >= 0 && index < Count() ? Items[size_t(index)].get() : nullptr;
}
TMacType *TMacList::FindByName(const QString &name) const {
  for (auto &m : Items) if (m->Name == name) return m.get();
  return nullptr;
}
TMacType *TMacList::FindByCode(const QString &code) const {
  for (auto &m : Items) if (m->Code == code) return m.get();
  return nullptr;
}
TMacType *TMacList::FindByBand(const QString &band) const {
  for (auto &m : Items) if (m->Bands.contains(band)) return m.get();
  return nullptr;
}
void TMacList::FillNames(QStringList &list) const {
  list.clear();
  for (auto &m : Items) list << m->Name;
}

int TFrqList::CodeOf(const QString &text) const {
  for (auto &p : Items) if (p.first == text) return p.second;
  return Items.empty() ? NoModelBandCode : Items.front().second;
}
QString TFrqList::TextOf(int code) const {
  for (auto &p : Items) if (p.second == code) return p.first;
  return Count() > TextFallbackRow ? Items[TextFallbackRow].first : QString();
}

void FillBandTable() {
  BandTable.Clear();
  for (const auto &row : BandRows) BandTable.Add(QString::fromLatin1(row.Text), row.Code);
}

void FillCatalogue() {
  ModelCatalogue.Clear();
  AppState.SerialEditable = true;
  AppState.SeriesName = QStringLiteral("ZL-6405s");
  for (const auto &row : ModelRows) {
    auto model = std::make_unique<TMacType>(QString::fromLatin1(row.Code), row.Channels,
                                            AppState.SeriesName + QString::fromLatin1(row.Suffix));
    model->SetLimits(row.Max, row.Min);
    for (const char *b : row.Bands) model->AddBand(QString::fromLatin1(b));
    model->SetDefaultBand(QString::fromLatin1(row.Default));
    ModelCatalogue.Add(std::move(model));
  }
}

bool ParseBandText(const QString &band, double &low, double &high) {
  const int dash = band.indexOf('-');
  if (dash < 0) return false;
  int mhz = band.indexOf(QLatin1String("MHz"), dash);
  if (mhz < 0) mhz = int(band.size());
  bool okLow = false, okHigh = false;
  const double l = band.left(dash).trimmed().toDouble(&okLow);
  const double h = band.mid(dash + 1, mhz - dash - 1).trimmed().toDouble(&okHigh);
  if (!okLow || !okHigh) return false;
  low = l;
  high = h;
  return true;
}

void ParseBand(const QString &band) {
  ParseBandText(band, AppState.BandLow, AppState.BandHigh);
}

void SelectModel(int bandCode, bool applyBand) {
  const QString text = BandTable.TextOf(bandCode);
  TMacType *model = ModelCatalogue.FindByBand(text);
  // A band no model is sold in keeps the current model and band (edges included), so the
  // fields stay set and agree with each other.
  if (!model) {
    if (applyBand && !AppState.BandName.isEmpty()) ParseBand(AppState.BandName);
    return;
  }
  AppState.CurrentModel = model;
  AppState.ModelName = model->Name;
  AppState.ModelCode = model->Code;
  AppState.MaxFreq = model->MaxFreq;
  AppState.MinFreq = model->MinFreq;
  AppState.ChannelCount = model->ChannelCount;
  AppState.BandName = model->DefaultBand;
  if (applyBand) {
    AppState.BandName = text;
    ParseBand(text);
  }
}
