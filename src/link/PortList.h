#pragma once
// Serial ports as the user sees them: "COM1", "COM2", ... and the devices behind them.
//
// Port names reach devices through a fixed table, which SysInfo.Ini can override per port in
// the section [Ports] (COM13=/dev/ttyUSB4; a relative path is taken from the program's
// directory; an empty value leaves the port without a device):
//   COM1 to COM8    /dev/ttyUSB0 to /dev/ttyUSB7   (USB programming cables)
//   COM9 to COM12   /dev/ttyACM0 to /dev/ttyACM3
//   COM13 to COM16  no device unless set           (the virtual radio uses COM13)
//   COM17 to COM20  /dev/ttyS0 to /dev/ttyS3       (built-in serial ports)
//   COM21 and above no device unless set
#include <QList>
#include <QString>
#include <QStringList>

constexpr int PortCandidates = 256;   // highest port number that may name a device
const QString PortSection = QStringLiteral("Ports");

// The number written after the first three characters of a port name ("COM12" -> 12), using
// at most maxDigits characters when maxDigits > 0; -1 when those characters are not a number.
int PortNumber(const QString &portName, int maxDigits = 0);
QString PortName(int number);   // "COM" followed by the number

// Appends the names of the ports that can be opened now, in ascending order of number.
void EnumPorts(QStringList *list);
// The device path behind a port name ("COM3" -> "/dev/ttyACM0"); empty when none.
QString PortDevice(const QString &portName);
// Start-up port check: upper-cases ComPort and replaces it with the first present port when
// it is not present. Fills list (when given) with the present ports.
void CheckComPort(QStringList *list = nullptr);

struct TPortInfo {
  QString Name, Device;
  bool Present = false;
};
// Every port that has a device, in ascending order of number, each tried once.
QList<TPortInfo> KnownPorts();
// Writes a device for a port into SysInfo.Ini (an empty device: the port has none).
bool SetPortDevice(const QString &portName, const QString &device, QString *error);
