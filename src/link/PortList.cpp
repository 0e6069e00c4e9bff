#include "link/PortList.h"
#include "core/AllClass.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "link/SerialPort.h"
#include <QMap>

namespace {
struct TDeviceRange {
  int FirstPort, Count;
  const char *Prefix;
};
// One USB cable lands on COM1, which is also the port a new settings file names.
const TDeviceRange DefaultDevices[] = {
    {1, 8, "/dev/ttyUSB"},
    {9, 4, "/dev/ttyACM"},
    {17, 4, "/dev/ttyS"},
};

QString DefaultDevice(int number) {
  for (const auto &r : DefaultDevices)
    if (number >= r.FirstPort && number < r.FirstPort + r.Count)
      return QString::fromLatin1(r.Prefix) + QString::number(number - r.FirstPort);
  return QString();
}

QString Resolve(const QString &device) {
  if (device.isEmpty() || device.startsWith('/')) return device;
  return AppState.AppPath + device;
}

// The device of port n after the overrides of SysInfo.Ini; empty when it has none.
QString DeviceOf(const TIniFile &ini, int n) {
  const QString key = PortName(n);
  return ini.ValueExists(PortSection, key) ? Resolve(ini.ReadString(PortSection, key, QString()).trimmed())
                                           : DefaultDevice(n);
}

// Port number -> device, for every port that has one.
QMap<int, QString> DeviceMap() {
  const TIniFile ini(SettingsPath());
  QMap<int, QString> map;
  for (int n = 1; n <= PortCandidates; ++n) {
    const QString device = DeviceOf(ini, n);
    if (!device.isEmpty()) map.insert(n, device);
  }
  return map;
}
}

int PortNumber(const QString &portName, int maxDigits) {
  QString digits = portName.mid(3);
  if (maxDigits > 0) digits = digits.left(maxDigits);
  if (digits.isEmpty() || digits.size() > 9) return -1;
  for (const QChar c : digits)
    if (c < '0' || c > '9') return -1;
  return digits.toInt();
}

QString PortName(int number) { return QStringLiteral("COM") + QString::number(number); }

QList<TPortInfo> KnownPorts() {
  QList<TPortInfo> ports;
  const QMap<int, QString> map = DeviceMap();
  for (auto it = map.cbegin(); it != map.cend(); ++it)
    ports.append({PortName(it.key()), it.value(), TPosixSerialPort::CanOpen(it.value())});
  return ports;
}

void EnumPorts(QStringList *list) {
  if (!list) return;
  for (const TPortInfo &p : KnownPorts())
    if (p.Present) list->append(p.Name);
}

QString PortDevice(const QString &portName) {
  const int n = PortNumber(portName);
  if (n < 1 || n > PortCandidates) return QString();
  return DeviceOf(TIniFile(SettingsPath()), n);
}

void CheckComPort(QStringList *list) {
  QStringList ports;
  EnumPorts(&ports);
  if (list) *list = ports;
  AppState.ComPort = AppState.ComPort.toUpper();
  if (!ports.isEmpty() && !ports.contains(AppState.ComPort)) AppState.ComPort = ports.first();
}

bool SetPortDevice(const QString &portName, const QString &device, QString *error) {
  TIniFile ini(SettingsPath());
  ini.WriteString(PortSection, portName, device);
  return ini.UpdateFile(error);
}
