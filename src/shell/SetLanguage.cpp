#include "shell/SetLanguage.h"
#include "shell/DialogButtons.h"
#include "core/AllClass.h"
#include "core/Settings.h"
#include "shell/TranslateForm.h"
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TfSetLanguage::TfSetLanguage(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fSetLanguage"));
  setWindowTitle(QStringLiteral("Language File Setup"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
  lbName = new QLabel(QStringLiteral("Language Mode: "), this);
  lbName->setObjectName(QStringLiteral("lbName"));
  cbLanguage = new QComboBox(this);
  cbLanguage->setObjectName(QStringLiteral("cbLanguage"));
  cbLanguage->setProperty("tag", -2);
  lbName->setBuddy(cbLanguage);

  auto *grid = new QGridLayout(this);
  grid->addWidget(lbName, 0, 0);
  grid->addWidget(cbLanguage, 0, 1);
  grid->setColumnMinimumWidth(1, 150);
  auto *buttons = OkCancelRow(this, btnOk, btnCancel, TEnterKey::PressesOk);
  grid->addLayout(buttons, 1, 0, 1, 2);
  grid->setSizeConstraint(QLayout::SetFixedSize);

  connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfSetLanguage::showEvent(QShowEvent *e) {
  cbLanguage->clear();
  Language.clear();
  QStringList displayNames;
  GetLanguageList(displayNames, Language);
  cbLanguage->addItems(displayNames);
  TranslateIfSelected(this, false);
  cbLanguage->setCurrentIndex(AppState.LanguageIndex < cbLanguage->count() ? AppState.LanguageIndex : -1);
  Changed = false;
  QDialog::showEvent(e);
}

void TfSetLanguage::btnOkClick() {
  const int p = cbLanguage->currentIndex();
  // Only a listed language with a file name can become current, so name and index stay a pair.
  if (p >= 0 && p < Language.size() && p != AppState.LanguageIndex) {
    Changed = true;
    AppState.LanguageName = Language[p];
    AppState.LanguageIndex = p;
  }
  accept();
}
