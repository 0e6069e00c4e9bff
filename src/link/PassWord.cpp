#include "link/PassWord.h"
#include "core/AllClass.h"
#include "functions/SettingRules.h"
#include "shell/TranslateForm.h"
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>

TfPassWord::TfPassWord(QWidget *parent) : TChildView(QStringLiteral("fPassWord"), QStringLiteral("PassWord"), parent) {
  cxoPasd = new QLineEdit(this);
  cxoPasd->setObjectName(QStringLiteral("cxoPasd"));
  cbNps = new QCheckBox(this);
  cbNps->setObjectName(QStringLiteral("cbNps"));
  cxnPasd = new QLineEdit(this);
  cxnPasd->setObjectName(QStringLiteral("cxnPasd"));
  for (QLineEdit *edit : {cxoPasd, cxnPasd}) {
    edit->setMaxLength(Layout::PasswordWidth);
    connect(edit, &QLineEdit::textChanged, this, &TfPassWord::cxoPasdPropertiesChange);
  }
  connect(cbNps, &QCheckBox::toggled, this, &TfPassWord::cbNpsPropertiesEditValueChanged);
  Label1 = new QLabel(QStringLiteral("PassWard"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setBuddy(cxoPasd);
  Label2 = new QLabel(QStringLiteral("New PassWard"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setBuddy(cxnPasd);

  auto *grid = new QGridLayout;
  grid->addWidget(Label1, 0, 1);
  grid->addWidget(cxoPasd, 0, 2);
  grid->addWidget(cbNps, 1, 0);
  grid->addWidget(Label2, 1, 1);
  grid->addWidget(cxnPasd, 1, 2);
  auto *outer = new QVBoxLayout(this);
  outer->addLayout(grid);
  FinishLayout(outer, 280, 130);
}

void TfPassWord::LoadFromImage() {
  Loading = true;
  TranslateIfSelected(this, true);
  cxoPasd->setText(PasswordText(Layout::Password));
  cxnPasd->clear();
  cbNps->setChecked(AppState.NewPassword);
  ShowNewPassword();
  Loading = false;
}

// The new-password field is open exactly while the new password is to be sent. Ticking the box
// shows the new password stored in the image, so that the field always shows what the next
// write sends; clearing it only locks the field.
void TfPassWord::ShowNewPassword() {
  cxnPasd->setEnabled(cbNps->isChecked());
  if (!cbNps->isChecked()) return;
  const bool wasLoading = Loading;
  Loading = true;
  cxnPasd->setText(PasswordText(Layout::NewPassword));
  Loading = wasLoading;
}

void TfPassWord::cbNpsPropertiesEditValueChanged() {
  AppState.NewPassword = cbNps->isChecked();
  ShowNewPassword();
}

void TfPassWord::cxoPasdPropertiesChange() {
  if (Loading) return;
  StorePasswordText(Layout::Password, cxoPasd->text());
  if (AppState.NewPassword) StorePasswordText(Layout::NewPassword, cxnPasd->text());
}
