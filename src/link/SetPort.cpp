#include "link/SetPort.h"
#include "shell/DialogButtons.h"
#include "core/AllClass.h"
#include "link/PortList.h"
#include "shell/TranslateForm.h"
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int Rows = 5;              // four columns of five
constexpr int NameDigits = 3;        // the dialog reads at most three digits of a port name
constexpr int DeviceWidth = 120;     // long paths are shortened in the middle, whole in the tip

void ShowDevice(QLabel *label, const QString &device) {
  label->setText(label->fontMetrics().elidedText(device, Qt::ElideMiddle, DeviceWidth));
  label->setToolTip(device);
}
}

TfSetPort::TfSetPort(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fSetPort"));
  setWindowTitle(QStringLiteral("Communication Port"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  cxPort = new QGroupBox(this);
  cxPort->setObjectName(QStringLiteral("cxPort"));
  auto *grid = new QGridLayout(cxPort);
  grid->setHorizontalSpacing(18);
  for (int i = 0; i < ButtonCount; ++i) {
    auto *button = new QRadioButton(QStringLiteral("COM%1").arg(i + 1), cxPort);
    button->setObjectName(QStringLiteral("cxPort%1").arg(i + 1));
    button->setEnabled(false);
    auto *device = new QLabel(cxPort);
    device->setIndent(20);
    device->setForegroundRole(QPalette::PlaceholderText);
    QFont small = device->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    device->setFont(small);
    device->setMinimumWidth(device->indent() + DeviceWidth);   // room for any device before it is known
    auto *cell = new QVBoxLayout;
    cell->setSpacing(0);
    cell->addWidget(button);
    cell->addWidget(device);
    grid->addLayout(cell, i % Rows, i / Rows);
    cxPortN[i] = button;
    DeviceLabel[i] = device;
  }

  lbName = new QLabel(QStringLiteral("Port:"), this);
  lbName->setObjectName(QStringLiteral("lbName"));
  lbName->hide();
  cbCom = new QComboBox(this);
  cbCom->setObjectName(QStringLiteral("cbCom"));
  cbCom->hide();

  auto *buttons = OkCancelRow(this, btnOk, btnCancel, TEnterKey::PressesOk);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(cxPort);
  layout->addLayout(buttons);

  connect(btnOk, &QPushButton::clicked, this, &TfSetPort::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfSetPort::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  FormShow();
}

void TfSetPort::FormShow() {
  if (AppState.LanguageIndex > 0) {
    TranslateIfSelected(this, true);
    for (int i = 0; i < ButtonCount; ++i) cxPortN[i]->setText(lbName->text() + QString::number(i + 1));
  }
  cxPort->setTitle(windowTitle());

  // One pass over the ports: which are present (the list) and the device behind each button.
  cbCom->clear();
  for (int i = 0; i < ButtonCount; ++i) ShowDevice(DeviceLabel[i], QStringLiteral("-"));
  for (const TPortInfo &p : KnownPorts()) {
    if (p.Present) cbCom->addItem(p.Name);
    const int n = PortNumber(p.Name);
    if (n >= 1 && n <= ButtonCount) ShowDevice(DeviceLabel[n - 1], p.Device);
  }
  for (int k = 0; k < cbCom->count(); ++k) {
    const int n = PortNumber(cbCom->itemText(k), NameDigits);
    if (n >= 1 && n <= ButtonCount) cxPortN[n - 1]->setEnabled(true);
  }
  // A stored port that is not present shows checked but disabled.
  const int current = PortNumber(AppState.ComPort, NameDigits);
  if (current >= 1 && current <= ButtonCount) cxPortN[current - 1]->setChecked(true);
}

void TfSetPort::btnOKClick() {
  for (int i = 0; i < ButtonCount; ++i)
    if (cxPortN[i]->isChecked()) AppState.ComPort = PortName(i + 1);
  accept();
}
