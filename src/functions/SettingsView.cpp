#include "functions/SettingsView.h"
#include "core/AllClass.h"
#include "core/Language.h"
#include "shell/TranslateForm.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

TSettingsView::TSettingsView(const QString &name, const QString &caption, QWidget *parent)
    : TChildView(name, caption, parent) {}

const TFunctionSetting &TSettingsView::Setting(const QString &control) const {
  const TFunctionSetting *s = FindFunctionSetting(control);
  Q_ASSERT_X(s && s->Window == objectName(), "TSettingsView", "control missing from the settings table");
  return *s;
}

QComboBox *TSettingsView::AddList(const QString &control) {
  const TFunctionSetting &s = Setting(control);
  auto *list = new QComboBox(this);
  list->setObjectName(control);
  list->addItems(s.Entries);
  connect(list, &QComboBox::currentIndexChanged, this, &TSettingsView::ComborPropertiesChange);
  Bound.push_back({&s, list, nullptr});
  return list;
}

QCheckBox *TSettingsView::AddCheck(const QString &control, bool store) {
  const TFunctionSetting &s = Setting(control);
  auto *box = new QCheckBox(s.Caption, this);
  box->setObjectName(control);
  if (store) connect(box, &QCheckBox::toggled, this, &TSettingsView::ComborPropertiesChange);
  Bound.push_back({&s, nullptr, box});
  return box;
}

QLabel *TSettingsView::ListLabel(QComboBox *list) {
  const TFunctionSetting &s = Setting(list->objectName());
  QLabel *label = AddLabel(s.Label, s.Caption);
  label->setBuddy(list);   // the report finds a label's list through its buddy
  return label;
}

QLabel *TSettingsView::AddLabel(const QString &name, const QString &text) {
  auto *label = new QLabel(text, this);
  label->setObjectName(name);
  return label;
}

void TSettingsView::LoadFromImage() {
  Loading = true;
  TranslateIfSelected(this, true);
  for (const TBound &b : Bound) {
    if (b.List) b.List->setCurrentIndex(SettingPosition(*b.Setting, AppState.Image));
    else b.Check->setChecked(SettingChecked(*b.Setting, AppState.Image));
  }
  ControlsLoaded();
  Loading = false;
}

void TSettingsView::StoreToImage() {
  for (const TBound &b : Bound)
    StoreSetting(*b.Setting, b.List ? b.List->currentIndex() : int(b.Check->isChecked()), AppState.Image);
  AppState.Modified = true;
}

void TSettingsView::ComborPropertiesChange() {
  if (!Loading) StoreToImage();
}

void TSettingsView::AddRow(TReportTables &tables, const QString &field, const QString &value) const {
  TReportRow row;
  row.TypeID = ReportFunctionGroup;
  row.TypeName = windowTitle();
  row.AField = field;
  row.AValue = value;
  tables.myAdo.push_back(row);
}

QString TSettingsView::OnOffText(const QCheckBox *box) { return box->isChecked() ? Messages.Open : Messages.Close; }
