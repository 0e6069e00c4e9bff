#include "core/Language.h"
#include "core/AllClass.h"
#include "core/IniFile.h"

TLanguage Messages;

namespace {
const TMessageKey Keys[] = {
    {"Confirmation", &TLanguage::Confirmation, "Confirmation"},
    {"ExitProgram", &TLanguage::ExitProgram, "Do you wish to exit program?"},
    {"OutRange", &TLanguage::OutRange, "Frequecy is Out of range."},
    {"ErrRange", &TLanguage::ErrRange, "The frequecy number come amiss!"},
    {"Channel", &TLanguage::Channel, "Channel"},
    {"Info", &TLanguage::Info, " Information"},
    {"Caution", &TLanguage::Caution, "Caution"},
    {"SaveProgram", &TLanguage::SaveProgram, "Do you wish to save the changes?"},
    {"FChBigT", &TLanguage::FChBigT, "Start Channel must less than End Channel!"},
    {"All", &TLanguage::All, "All"},
    {"Close", &TLanguage::Close, "Closed"},
    {"Open", &TLanguage::Open, "Opened"},
    {"ComError", &TLanguage::ComError, "Please check all connections and communication port settings."},
    {"ModError", &TLanguage::ModError, "Model Type Wrong."},
    {"PwdError", &TLanguage::PwdError, "Pass Word Wrong."},
    {"ModelType", &TLanguage::ModelType, "Model Type"},
    {"Frequency", &TLanguage::Frequency, "Frequency"},
    {"ReadOk", &TLanguage::ReadOk, "Reading Completed."},
    {"WriteOk", &TLanguage::WriteOk, "Writing Completed."},
    {"LPortError", &TLanguage::LPortError, "Cannot Open Commcmication Port."},
    {"ClearData", &TLanguage::ClearData, "Do you wish to Clear Data?"},
    {"Modforce", &TLanguage::Modforce, "Do you wish to Force write data?"},
};
}

const TMessageKey *MessageKeys(int &count) {
  count = int(sizeof(Keys) / sizeof(Keys[0]));
  return Keys;
}

QString LanguageFilePath(const QString &languageName) {
  return AppState.AppPath + languageName + QStringLiteral(".Ini");
}

void LoadMessages(const QString &languageName) {
  const TIniFile ini(LanguageFilePath(languageName));
  for (const TMessageKey &k : Keys)
    Messages.*(k.Field) = ini.ReadString(QStringLiteral("Language"), QString::fromLatin1(k.Key),
                                         QString::fromLatin1(k.BuiltIn));
}
