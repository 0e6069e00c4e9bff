#pragma once
// The pictures the program draws for itself: the tiled background "PIC" of the main window and
// the program icon.
#include <QIcon>
#include <QPixmap>

QPixmap BackgroundPicture();   // 200 x 150, grey, the series name embossed diagonally
QIcon ProgramIcon();
