#include "shell/FrmAbout.h"
#include "core/AllClass.h"
#include "shell/Pictures.h"
#include "shell/TranslateForm.h"
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
QLabel *MakeLabel(QWidget *parent, const char *name, const char *text) {
  auto *l = new QLabel(QString::fromLatin1(text), parent);
  l->setObjectName(QString::fromLatin1(name));
  return l;
}
}

TfFrmAbout::TfFrmAbout(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fFrmAbout"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
  setFixedSize(408, 269);

  ImApp = new QLabel(this);
  ImApp->setObjectName(QStringLiteral("ImApp"));
  ImApp->setPixmap(ProgramIcon().pixmap(48, 48));
  ImApp->setFixedSize(48, 48);
  Label1 = MakeLabel(this, "Label1", "1");
  Label2 = MakeLabel(this, "Label2", "2");
  Label3 = MakeLabel(this, "Label3", "3");
  Label8 = MakeLabel(this, "Label8", "4");
  Label4 = MakeLabel(this, "Label4", "5");
  Label9 = MakeLabel(this, "Label9", "6");
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Label5 = MakeLabel(Panel1, "Label5", "7");
  Label6 = MakeLabel(Panel1, "Label6", "8");
  Label7 = MakeLabel(Panel1, "Label7", "9");
  Panel1->hide();
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);

  auto *top = new QHBoxLayout;
  top->addWidget(ImApp, 0, Qt::AlignTop);
  auto *lines = new QVBoxLayout;
  lines->setSpacing(2);
  for (QLabel *l : {Label1, Label2, Label3, Label8, Label4, Label9}) {
    l->installEventFilter(this);
    lines->addWidget(l);
  }
  top->addLayout(lines, 1);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Memo1, 1);
  Panel1->installEventFilter(this);
  ImApp->installEventFilter(this);
  for (QLabel *l : {Label5, Label6, Label7}) l->installEventFilter(this);
}

void TfFrmAbout::showEvent(QShowEvent *e) {
  TranslateForm(this, AppState.LanguageName, false);
  setWindowTitle(AppState.SeriesName);
  Memo1->setPlainText(Label5->text() + '\n' + Label6->text() + "\n\n" + Label7->text());
  QDialog::showEvent(e);
}

// A press on the dialog's own surface, a label or the panel closes it; the memo and the icon do not.
void TfFrmAbout::mousePressEvent(QMouseEvent *e) {
  QDialog::mousePressEvent(e);
  accept();
}

bool TfFrmAbout::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::MouseButtonPress) {
    if (watched != ImApp) accept();
    return true;   // the icon swallows its press so that the dialog stays open
  }
  return QDialog::eventFilter(watched, event);
}
