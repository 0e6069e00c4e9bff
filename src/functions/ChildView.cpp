#include "functions/ChildView.h"
#include "shell/ChildWindow.h"
#include <QLayout>
#include <QPushButton>
#include <QShowEvent>

TChildView::TChildView(const QString &name, const QString &caption, QWidget *parent) : QWidget(parent) {
  setObjectName(name);
  setWindowTitle(caption);
}

void TChildView::FinishLayout(QBoxLayout *outer, int width, int height) {
  btnCancel = new QPushButton(QStringLiteral("&Close"), this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));
  connect(btnCancel, &QPushButton::clicked, this, &TChildView::btnCancelClick);
  auto *row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(btnCancel);
  outer->addStretch();
  outer->addLayout(row);
  setFixedSize(sizeHint().expandedTo(QSize(width, height)));
}

void TChildView::btnCancelClick() { CloseChildWindow(this); }

// A window-system show (a restore, say) is not a new showing.
void TChildView::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) LoadFromImage();
}
