#pragma once
// The message catalogue: one text per message key, from the language file or built in.
#include <QString>

class TLanguage {
public:
  QString Confirmation, ExitProgram, OutRange, ErrRange, Channel, Info, Caution, SaveProgram, FChBigT, All,
      Close, Open, ComError, ModError, PwdError, ModelType, Frequency, ReadOk, WriteOk, LPortError, ClearData,
      Modforce;
};

extern TLanguage Messages;

struct TMessageKey {
  const char *Key;
  QString TLanguage::*Field;
  const char *BuiltIn;
};
// Every message key in loading order, with its built-in English text.
const TMessageKey *MessageKeys(int &count);

QString LanguageFilePath(const QString &languageName);   // AppPath + name + ".Ini"
void LoadMessages(const QString &languageName);
