#include "link/InfoMsg.h"
#include "core/AllClass.h"
#include "functions/CharValidator.h"
#include "functions/SettingRules.h"
#include "image/ImageRoutines.h"
#include "shell/TranslateForm.h"
#include <QLabel>
#include <QLayout>
#include <QLineEdit>

namespace {
QLineEdit *Field(QWidget *parent, const char *name) {
  auto *edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  edit->setReadOnly(true);
  return edit;
}
}

TfInfoMsg::TfInfoMsg(QWidget *parent)
    : TChildView(QStringLiteral("fInfoMsg"), QStringLiteral("Radio Information"), parent) {
  cxModel = Field(this, "cxModel");
  cxFreq = Field(this, "cxFreq");
  cxSerial = Field(this, "cxSerial");
  cxSerial->setMaxLength(Layout::SerialWidth);
  cxSerial->setValidator(new TCharValidator([](QChar c) { return c.toUpper(); }, cxSerial));
  cxRadioTime = Field(this, "cxRadioTime");
  connect(cxSerial, &QLineEdit::textChanged, this, &TfInfoMsg::cxSerialPropertiesChange);

  auto *grid = new QGridLayout;
  int row = 0;
  const auto addRow = [&](const char *name, const char *text, QLineEdit *field) {
    auto *label = new QLabel(QLatin1String(text), this);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row++, 1);
    return label;
  };
  Label1 = addRow("Label1", "Model Type", cxModel);
  Label2 = addRow("Label2", "Frequency[MHz]", cxFreq);
  Label3 = addRow("Label3", "Serial Number", cxSerial);
  Label4 = addRow("Label4", "Write Time", cxRadioTime);
  auto *outer = new QVBoxLayout(this);
  outer->addLayout(grid);
  FinishLayout(outer, 313, 180);
}

void TfInfoMsg::LoadFromImage() {
  Loading = true;
  TranslateIfSelected(this, true);
  cxModel->setText(AppState.ModelName);
  cxFreq->setText(AppState.BandName);
  if (AppState.SerialEditable) cxSerial->setReadOnly(false);
  cxSerial->setText(VisibleText(Layout::Serial, Layout::SerialWidth));
  cxRadioTime->setText(WriteTimeText());
  Loading = false;
}

void TfInfoMsg::cxSerialPropertiesChange() {
  if (Loading || !AppState.SerialEditable) return;
  StoreSerialNumber(cxSerial->text());
  AppState.Modified = true;
}

void TfInfoMsg::AddReportRows(TReportTables &tables) {
  LoadFromImage();
  tables.myMain.push_back({AppState.SeriesName, Label1->text(), cxModel->text(), Label2->text(), cxFreq->text(),
                           Label3->text(), cxSerial->text()});
}
