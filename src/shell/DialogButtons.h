#pragma once
// The "&Ok" and "&Cancel" buttons of the program's dialogs, right-aligned in one row.
#include <QHBoxLayout>
#include <QPushButton>

enum class TEnterKey { PressesOk, PressesNothing };

inline QHBoxLayout *OkCancelRow(QWidget *owner, QPushButton *&ok, QPushButton *&cancel, TEnterKey enter) {
  ok = new QPushButton(QStringLiteral("&Ok"), owner);
  ok->setObjectName(QStringLiteral("btnOk"));
  cancel = new QPushButton(QStringLiteral("&Cancel"), owner);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  if (enter == TEnterKey::PressesOk) {
    ok->setDefault(true);
  } else {
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
  }
  auto *row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  return row;
}
