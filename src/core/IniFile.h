#pragma once
// Sectioned key=value text files (settings and language files).
// Section and key names match without regard to case. The file is read as UTF-8 when it is
// valid UTF-8, otherwise as GBK. Writing a key rewrites only that key's line: every other
// line stays byte for byte as it was.
#include <QByteArray>
#include <QString>
#include <vector>

// Decodes 8-bit text: UTF-8 when valid, otherwise GBK (GB18030, its superset).
QString DecodeText(const QByteArray &bytes);

class TIniFile {
public:
  explicit TIniFile(const QString &path);
  QString ReadString(const QString &section, const QString &key, const QString &def) const;
  bool ValueExists(const QString &section, const QString &key) const;
  void WriteString(const QString &section, const QString &key, const QString &value);
  // Writes the file back; false with the system's reason on failure.
  bool UpdateFile(QString *error = nullptr) const;
  bool Exists() const { return Existed; }
  QString Path() const { return FilePath; }

private:
  struct TLine {
    QByteArray Raw;        // the line as stored, without its line end
    QString Section;       // section line: its name
    QString Key;           // key line: its name
    bool IsSection = false, IsKey = false;
    QString Value;
  };
  int FindKey(const QString &section, const QString &key) const;
  QByteArray Encode(const QString &text) const;

  QString FilePath;
  std::vector<TLine> Lines;   // Lines[i].Section for key lines: the section they sit in
  QByteArray LineEnd = "\n";
  bool Utf8 = true;
  bool Existed = false;
  bool EndsWithNewline = true;
};
