#pragma once
// Applies a language file to one window: the section named after the window's objectName,
// keys built from component objectNames. A missing file, section or key leaves a text as it is.
// Dynamic property "tag": -2 keeps a list or grid untranslated, -3 translates only item 0.
// Grid columns: key NAME.k titles table column k-1 (k = 1 .. columnCount).
#include <QString>
class QWidget;

void TranslateForm(QWidget *form, const QString &languageName, bool withLists);
// TranslateForm with the current language when LanguageIndex is above 0.
void TranslateIfSelected(QWidget *form, bool withLists);
