#pragma once
// Start-up of the shared state: the data module of the program.
#include "core/ReportTables.h"
#include <QString>

extern TReportTables ReportTables;

// Creates the global objects, fills the band table and the catalogue, loads the settings
// and the messages. appPath is the program's directory ("" = the running executable's).
void DataModuleCreate(const QString &appPath = QString());
// Directory of the running executable with a trailing '/', never the working directory.
QString ExecutableDir();
// The UHF model with its default band and a blank image, as at the first showing of the main window.
void StartWithBlankImage();
