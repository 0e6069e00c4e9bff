#include "functions/EmbeddedMessage.h"
#include "shell/DialogButtons.h"
#include "functions/CharValidator.h"
#include "functions/SettingRules.h"
#include "shell/TranslateForm.h"
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

TfEmbeddedMessage::TfEmbeddedMessage(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fEmbeddedMessage"));
  setWindowTitle(QStringLiteral("Embedded Message"));
  auto *outer = new QVBoxLayout(this);
  for (QLineEdit **edit : {&edEMA, &edEMB}) {
    *edit = new QLineEdit(this);
    (*edit)->setMaxLength(EmbeddedMessageLength);
    // Typed and pasted text alike: a refused character never reaches the box.
    (*edit)->setValidator(new TCharValidator(
        [](QChar c) { return EmbeddedMessageAccepts(c.unicode()) ? c : QChar(); }, *edit));
    outer->addWidget(*edit);
  }
  edEMA->setObjectName(QStringLiteral("edEMA"));
  edEMB->setObjectName(QStringLiteral("edEMB"));

  // No default button: Enter in a box presses nothing.
  auto *buttons = OkCancelRow(this, btnOk, btnCancel, TEnterKey::PressesNothing);
  outer->addStretch();
  outer->addLayout(buttons);
  connect(btnOk, &QPushButton::clicked, this, &TfEmbeddedMessage::btnOkClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  setFixedSize(sizeHint().expandedTo(QSize(279, 91)));
}

void TfEmbeddedMessage::btnOkClick() { accept(); }

void TfEmbeddedMessage::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) TranslateIfSelected(this, true);
}
