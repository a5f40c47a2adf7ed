#pragma once

#include <QLocale>

// Installs the program's translation for Locale and Qt's own for the standard dialogs. Either is
// left out where there is none for that language. English, with the singular forms of counted
// texts, is always installed beneath them.
void InstallTranslations(const QLocale &Locale = QLocale::system());
