#pragma once
// The application state shared by every part of the program.
#include "image/MemoryImage.h"
#include <QString>

class TMacType;

class TALL {
public:
  QString LanguageName;
  int LanguageIndex = 0;
  int CurrentChannel = 0;
  QString ComPort;
  QString AppPath;            // directory of the program file, with a trailing '/'
  QString SeriesName;
  int ChannelCount = 0;
  QString ModelName;
  QString BandName;
  QString FileDate;
  double MaxFreq = 0, MinFreq = 0, BandHigh = 0, BandLow = 0;
  QString ModelCode;
  int PicID = 0;
  bool Modified = false;
  QString HelpPrefix;
  bool SerialEditable = false;
  bool NewPassword = false;
  TMacType *CurrentModel = nullptr;   // an entry of ModelCatalogue, never owned here
  TImage Image;
};

extern TALL AppState;
