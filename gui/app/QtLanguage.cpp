#include "gui/app/QtLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

QLocale languageLocale(int language)
{
    switch (language) {
    case 0: return QLocale(QLocale::Portuguese, QLocale::Brazil);
    case 2: return QLocale(QLocale::Spanish, QLocale::Spain);
    default: return QLocale(QLocale::English, QLocale::UnitedStates);
    }
}

void applyQtLanguage(int language)
{
    static std::unique_ptr<QTranslator> installed;
    static int current = -1;
    if (language == current)
        return;
    current = language;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    // English is Qt's own.
    if (language != 0 && language != 2)
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(languageLocale(language), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        installed = std::move(translator);
    }
}
