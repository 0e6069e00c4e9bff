#include "core/IniFile.h"
#include <QFile>
#include "core/SafeFile.h"
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
// The rest of the line after '=': trailing blanks dropped (they are never meant), leading
// blanks kept (" Information"), and one pair of enclosing double quotes removed.
QString UnquotedValue(QString value) {
  while (!value.isEmpty() && value.back().isSpace()) value.chop(1);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.mid(1, value.size() - 2);
  return value;
}

bool IsValidUtf8(const QByteArray &bytes) {
  QStringDecoder dec(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = dec.decode(bytes);   // decoding is lazy: convert to find errors
  return !dec.hasError();
}
}

QString DecodeText(const QByteArray &bytes) {
  if (IsValidUtf8(bytes)) return QString::fromUtf8(bytes);
  QStringDecoder gbk("GB18030");
  if (!gbk.isValid()) return QString::fromLatin1(bytes);
  return gbk.decode(bytes);
}

TIniFile::TIniFile(const QString &path) : FilePath(path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return;
  Existed = true;
  QByteArray all = f.readAll();
  if (all.startsWith("\xEF\xBB\xBF")) all.remove(0, 3);   // a byte-order mark is not a section
  Utf8 = IsValidUtf8(all);
  if (all.contains("\r\n")) LineEnd = "\r\n";
  EndsWithNewline = all.isEmpty() || all.endsWith('\n');
  QList<QByteArray> raws = all.split('\n');
  if (!all.isEmpty() && all.endsWith('\n')) raws.removeLast();
  QString section;
  for (QByteArray raw : raws) {
    if (raw.endsWith('\r')) raw.chop(1);
    TLine line;
    line.Raw = raw;
    const QString text = Utf8 ? QString::fromUtf8(raw) : DecodeText(raw);
    const QString t = text.trimmed();
    if (t.startsWith('[') && t.contains(']')) {
      section = t.mid(1, t.indexOf(']') - 1).trimmed();
      line.IsSection = true;
    } else if (!t.isEmpty() && !t.startsWith(';') && text.contains('=')) {
      const int eq = text.indexOf('=');
      line.IsKey = true;
      line.Key = text.left(eq).trimmed();
      line.Value = UnquotedValue(text.mid(eq + 1));
    }
    line.Section = section;
    Lines.push_back(line);
  }
}

int TIniFile::FindKey(const QString &section, const QString &key) const {
  for (size_t i = 0; i < Lines.size(); ++i) {
    const TLine &l = Lines[i];
    if (l.IsKey && l.Section.compare(section, Qt::CaseInsensitive) == 0 &&
        l.Key.compare(key, Qt::CaseInsensitive) == 0)
      return int(i);
  }
  return -1;
}

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &def) const {
  const int i = FindKey(section, key);
  return i < 0 ? def : Lines[size_t(i)].Value;
}

bool TIniFile::ValueExists(const QString &section, const QString &key) const {
  return FindKey(section, key) >= 0;
}

QByteArray TIniFile::Encode(const QString &text) const {
  if (Utf8) return text.toUtf8();
  QStringEncoder enc("GB18030");
  return enc.isValid() ? QByteArray(enc.encode(text)) : text.toLatin1();
}

void TIniFile::WriteString(const QString &section, const QString &key, const QString &value) {
  TLine line;
  line.IsKey = true;
  line.Section = section;
  line.Key = key;
  line.Value = value;
  line.Raw = Encode(key + '=' + value);
  const int i = FindKey(section, key);
  if (i >= 0) {
    line.Section = Lines[size_t(i)].Section;
    line.Key = Lines[size_t(i)].Key;
    line.Raw = Encode(line.Key + '=' + value);
    Lines[size_t(i)] = line;
    return;
  }
  // New key: after the last line of its section, or in a new section at the end.
  int last = -1;
  for (size_t j = 0; j < Lines.size(); ++j)
    if (Lines[j].Section.compare(section, Qt::CaseInsensitive) == 0 && (Lines[j].IsSection || Lines[j].IsKey))
      last = int(j);
  if (last < 0) {
    TLine head;
    head.IsSection = true;
    head.Section = section;
    head.Raw = Encode('[' + section + ']');
    Lines.push_back(head);
    Lines.push_back(line);
  } else {
    Lines.insert(Lines.begin() + last + 1, line);
  }
}

bool TIniFile::UpdateFile(QString *error) const {
  QByteArray out;
  for (size_t i = 0; i < Lines.size(); ++i) {
    out += Lines[i].Raw;
    if (i + 1 < Lines.size() || EndsWithNewline) out += LineEnd;
  }
  return WriteFileAtomically(FilePath, out, error);
}
