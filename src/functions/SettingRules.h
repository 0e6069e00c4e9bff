#pragma once
// Byte and text rules of the setting and identity windows, kept free of widgets so that the
// command-line tool and the tests can use them: how the identity texts are stored and shown,
// and the input rules of the two hidden dialogs. (How a setting's control becomes image bytes
// is beside the settings table, in image/FunctionSettings.h.)
#include "image/FunctionSettings.h"
#include <QString>
#include <optional>

// The serial number: stored in upper case, padded with spaces (or cut) to its 16 bytes.
void StoreSerialNumber(const QString &text);
// The password (Layout::Password) or the new password (Layout::NewPassword) as the password
// window shows it: letters and digits, everything else a space, trimmed.
QString PasswordText(int offset);
// Stores a typed password: trimmed, then padded with spaces to 8 bytes.
void StorePasswordText(int offset, const QString &text);

// The embedded message: two lines of letters, digits and spaces.
constexpr int EmbeddedMessageLength = 32;
// Whether a typed character code reaches the message box (Backspace and Enter included).
bool EmbeddedMessageAccepts(int code);

// The test-frequency table.
constexpr int TestFrequencyRows = 16;
// What a frequency cell accepts: up to 5 digits, optionally a point and up to 5 decimals.
QString TestFrequencyPattern();
// The text a frequency cell keeps for a typed entry: the checked value with five decimals
// (ErrRange or OutRange shown as for a channel), empty for an empty entry, nothing when the
// entry is not a number of the cell's form (the cell then keeps its previous text).
std::optional<QString> TestFrequencyEntry(const QString &text);
