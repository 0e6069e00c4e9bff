// ZL-6405s programming software: the desktop program.
#include "core/Maindb.h"
#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZL-6405s"));
  DataModuleCreate();
  QMainWindow w;
  w.setObjectName(QStringLiteral("fMainFrm"));
  w.showMaximized();
  return app.exec();
}
