#include "link/LinkDialog.h"
#include "shell/DialogButtons.h"
#include "link/LinkEngine.h"
#include "shell/TranslateForm.h"
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TLinkDialog::TLinkDialog(QWidget *parent, const QString &name, const QString &caption) : QDialog(parent) {
  setObjectName(name);
  setWindowTitle(caption);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  pBar = new QProgressBar(this);
  pBar->setObjectName(QStringLiteral("pBar"));
  pBar->setRange(0, Frame::ProgressMax);
  pBar->setValue(0);
  auto *buttons = OkCancelRow(this, btnOk, btnCancel, TEnterKey::PressesNothing);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(pBar);
  layout->addLayout(buttons);
  setFixedSize(360, 110);

  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TLinkDialog::Attach(TLinkEngine *engine) {
  Engine = engine;
  connect(btnOk, &QPushButton::clicked, Engine, &TLinkEngine::Start);
  connect(Engine, &TLinkEngine::Changed, this, &TLinkDialog::EngineChanged);
  connect(Engine, &TLinkEngine::CloseRequested, this, &QDialog::reject);
}

void TLinkDialog::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  if (Shown) return;
  Shown = true;
  // After the window is on screen: opening the port may show a message.
  QMetaObject::invokeMethod(this, &TLinkDialog::FormShow, Qt::QueuedConnection);
}

void TLinkDialog::FormShow() {
  TranslateIfSelected(this, true);
  pBar->setMaximum(Frame::ProgressMax);
  if (Engine) Engine->Show();
}

void TLinkDialog::EngineChanged() {
  pBar->setValue(Engine->Position);
  btnOk->setEnabled(Engine->OkEnabled);
}

void TLinkDialog::done(int result) {
  if (Engine) Engine->ClosePort();
  FormClose();
  QDialog::done(result);
}
