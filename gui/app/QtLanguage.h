#pragma once

#include <QLocale>

// Qt's own texts (the buttons of questions, the file dialog) follow the tool's language:
// Qt's Portuguese (Brazil) and Spanish translations, Debian's qt6-translations-l10n.
void applyQtLanguage(int language);

// The locale of a tool language (0 Portuguese, 1 English, 2 Spanish), for date pickers.
QLocale languageLocale(int language);
