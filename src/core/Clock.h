#pragma once
// The clock used for the write-time and file stamps; tests set a fixed one.
#include <QDateTime>
#include <functional>

QDateTime Now();
void SetClock(std::function<QDateTime()> clock);   // empty: the local date and time again
