#include "core/SafeFile.h"
#include <QSaveFile>

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error) {
  QSaveFile f(path);
  // A short write (disk full, file size limit) shows only in flush(): QSaveFile::commit()
  // alone may rename a truncated file into place.
  const bool ok = f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
  if (!ok) {
    if (error) *error = f.errorString();
    f.cancelWriting();
    return false;
  }
  if (!f.commit()) {
    if (error) *error = f.errorString();
    return false;
  }
  return true;
}
