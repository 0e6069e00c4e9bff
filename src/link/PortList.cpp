#include "link/PortList.h"
#include "core/AllClass.h"

void EnumPorts(QStringList *) {}
QString PortDevice(const QString &) { return QString(); }
void CheckComPort(QStringList *list) {
  QStringList ports;
  EnumPorts(&ports);
  if (list) *list = ports;
  AppState.ComPort = AppState.ComPort.toUpper();
  if (!ports.isEmpty() && !ports.contains(AppState.ComPort)) AppState.ComPort = ports.first();
}
