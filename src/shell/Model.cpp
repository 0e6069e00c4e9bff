#include "shell/Model.h"
#include "shell/DialogButtons.h"
#include "core/AllClass.h"
#include "core/MacType.h"
#include "shell/TranslateForm.h"
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
void SelectOrFirst(QComboBox *box, const QString &text) {
  const int i = box->findText(text);
  box->setCurrentIndex(i >= 0 ? i : 0);
}
}

TfModel::TfModel(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fModel"));
  setWindowTitle(QStringLiteral("Model Information"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
  Label1 = new QLabel(QStringLiteral("Model Type: "), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label2 = new QLabel(QStringLiteral("Frequency: "), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  cbCopmut = new QComboBox(this);
  cbCopmut->setObjectName(QStringLiteral("cbCopmut"));
  cbCopmut->setProperty("tag", -2);
  cbPd = new QComboBox(this);
  cbPd->setObjectName(QStringLiteral("cbPd"));
  cbPd->setProperty("tag", -2);
  Label1->setBuddy(cbCopmut);
  Label2->setBuddy(cbPd);

  auto *grid = new QGridLayout(this);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(cbCopmut, 0, 1);
  grid->addWidget(Label2, 1, 0);
  grid->addWidget(cbPd, 1, 1);
  grid->setColumnMinimumWidth(1, 170);
  auto *buttons = OkCancelRow(this, btnOk, btnCancel, TEnterKey::PressesOk);
  grid->addLayout(buttons, 2, 0, 1, 2);
  grid->setSizeConstraint(QLayout::SetFixedSize);

  connect(cbCopmut, &QComboBox::activated, this, [this] { cbCopmutChange(); });
  connect(btnOk, &QPushButton::clicked, this, [this] { Confirmed = true; accept(); });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfModel::showEvent(QShowEvent *e) {
  TranslateIfSelected(this, false);
  QStringList names;
  ModelCatalogue.FillNames(names);
  cbCopmut->clear();
  cbCopmut->addItems(names);
  SelectOrFirst(cbCopmut, AppState.ModelName);
  cbCopmutChange();
  SelectOrFirst(cbPd, AppState.BandName);
  Confirmed = false;
  QDialog::showEvent(e);
}

void TfModel::cbCopmutChange() {
  cbPd->clear();
  const TMacType *model = ModelCatalogue.FindByName(cbCopmut->currentText());
  if (!model) return;
  cbPd->addItems(model->Bands);
  SelectOrFirst(cbPd, model->DefaultBand);
}

QString TfModel::ChosenBand() const { return cbPd->currentText(); }
