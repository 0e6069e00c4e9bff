#pragma once
// Serial ports as the user sees them: "COM1", "COM2", ... and the devices behind them.
#include <QString>
#include <QStringList>

// Appends the names of the ports that can be opened now, in ascending order of number.
void EnumPorts(QStringList *list);
// The device path behind a port name ("COM3" -> "/dev/ttyUSB0"); empty when none.
QString PortDevice(const QString &portName);
// Start-up port check: upper-cases ComPort and replaces it with the first present port when
// it is not present. Fills list (when given) with the present ports.
void CheckComPort(QStringList *list = nullptr);
