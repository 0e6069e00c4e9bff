#pragma once
// What the key, VOX and optional-function views share: controls made from the settings table,
// loading without writing back, and the rewrite of every one of the view's bytes on a change.
#include "core/ReportTables.h"
#include "functions/ChildView.h"
#include "image/FunctionSettings.h"
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;

class TSettingsView : public TChildView {
  Q_OBJECT
public:
  // Translates the view and sets its controls from the image; writes nothing.
  void LoadFromImage() override;
  // Writes every setting of the view into the image and marks the data modified.
  void StoreToImage();
  void ComborPropertiesChange();

protected:
  TSettingsView(const QString &name, const QString &caption, QWidget *parent);
  // A fixed list with the entries of its setting; a change rewrites the view's bytes.
  QComboBox *AddList(const QString &control);
  // A check box; with store false the view connects the click itself.
  QCheckBox *AddCheck(const QString &control, bool store = true);
  // The label of a list, named and worded as the settings table says ("L1", "Squelch level").
  QLabel *ListLabel(QComboBox *list);
  QLabel *AddLabel(const QString &name, const QString &text);
  virtual void ControlsLoaded() {}

  void AddRow(TReportTables &tables, const QString &field, const QString &value) const;
  static QString OnOffText(const QCheckBox *box);

private:
  struct TBound {
    const TFunctionSetting *Setting;
    QComboBox *List;
    QCheckBox *Check;
  };
  const TFunctionSetting &Setting(const QString &control) const;
  std::vector<TBound> Bound;
};
