#include "shell/MsgBox.h"
#include "core/ShowMsg.h"
#include <QApplication>
#include <QMessageBox>

void InstallMessageBox() {
  SetMsgHandler([](const QString &caption, const QString &text, int kind, const QString &details) {
    QMessageBox box(kind == MsgQuestion ? QMessageBox::Question : QMessageBox::Information, caption, text,
                    kind == MsgQuestion ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                    QApplication::activeWindow());
    if (!details.isEmpty()) box.setDetailedText(details);
    const int answer = box.exec();
    if (kind != MsgQuestion) return MsgOk;
    return answer == QMessageBox::Yes ? MsgYes : MsgNo;
  });
}
