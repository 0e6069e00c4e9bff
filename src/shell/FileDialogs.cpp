#include "shell/FileDialogs.h"
#include <QFileDialog>

namespace {
QString DesktopDialog(QWidget *parent, TFileDialogKind kind) {
  QFileDialog dialog(parent);
  dialog.setNameFilter(QStringLiteral("Data File(*.dat)"));
  dialog.setDefaultSuffix(QStringLiteral("dat"));
  if (kind == TFileDialogKind::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

TFileDialogHandler &Handler() {
  static TFileDialogHandler h = DesktopDialog;
  return h;
}
}

QString ChooseDataFile(QWidget *parent, TFileDialogKind kind) { return Handler()(parent, kind); }

TFileDialogHandler SetFileDialogHandler(TFileDialogHandler handler) {
  TFileDialogHandler old = Handler();
  Handler() = handler ? std::move(handler) : TFileDialogHandler(DesktopDialog);
  return old;
}
