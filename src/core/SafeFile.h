#pragma once
// Writes a whole file through a temporary file in the same directory that is renamed over the
// target only when every byte reached the disk; on failure the target stays as it was.
#include <QByteArray>
#include <QString>

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error);
