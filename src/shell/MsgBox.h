#pragma once
// Installs the desktop message box as the handler of ShowMsg.
void InstallMessageBox();
