#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void InstallTranslations(const QLocale &Locale) {
    auto *app = QCoreApplication::instance();
    // The program's own texts are built into it; Qt's come with the system's Qt.
    auto *own = new QTranslator(app);
    if (own->load(Locale, QStringLiteral("ondrel"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(own);
    else
        delete own;
    auto *qt = new QTranslator(app);
    if (qt->load(Locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}
