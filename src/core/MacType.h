#pragma once
// The model catalogue and the band table.
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

class TMacType {
public:
  TMacType(const QString &code, int channelCount, const QString &name)
      : Code(code), Name(name), ChannelCount(channelCount) {}
  void SetLimits(double maxFreq, double minFreq) { MaxFreq = maxFreq; MinFreq = minFreq; }
  void AddBand(const QString &band) { Bands << band; }
  void SetDefaultBand(const QString &band) { DefaultBand = band; }

  QString Code;
  QString Name;
  int ChannelCount = 0;
  double MaxFreq = 0, MinFreq = 0;
  QStringList Bands;
  QString DefaultBand;
};

class TMacList {
public:
  void Add(std::unique_ptr<TMacType> model) { Items.push_back(std::move(model)); }
  int Count() const { return int(Items.size()); }
  TMacType *ItemAt(int index) const;
  TMacType *FindByName(const QString &name) const;
  TMacType *FindByCode(const QString &code) const;
  TMacType *FindByBand(const QString &band) const;
  void FillNames(QStringList &list) const;
  void Clear() { Items.clear(); }

private:
  std::vector<std::unique_ptr<TMacType>> Items;   // models live as long as the process
};

class TFrqList {
public:
  void Add(const QString &text, int code) { Items.emplace_back(text, code); }
  int CodeOf(const QString &text) const;
  QString TextOf(int code) const;
  int Count() const { return int(Items.size()); }
  QString TextAt(int i) const { return Items.at(size_t(i)).first; }
  void Clear() { Items.clear(); }

private:
  std::vector<std::pair<QString, int>> Items;
};

extern TMacList ModelCatalogue;
extern TFrqList BandTable;

constexpr int NoModelBandCode = 253;   // " 27 -  72MHz": a band no model is sold in

void FillBandTable();
void FillCatalogue();
// Makes the model (and, with applyBand, the band) of a band code current in AppState.
void SelectModel(int bandCode, bool applyBand);
// Parses "450 - 470MHz" into BandLow and BandHigh of AppState.
void ParseBand(const QString &band);
// The same parse without touching AppState.
bool ParseBandText(const QString &band, double &low, double &high);
