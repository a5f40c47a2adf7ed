#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void InstallTranslations(const QLocale &Locale) {
    auto *app = QCoreApplication::instance();
    // English first: it says "1 knob preset" where the source text says the plural, and the
    // language's own catalogue, installed after it, is asked first.
    auto *english = new QTranslator(app);
    if (english->load(QStringLiteral(":/i18n/ondrel_en.qm")))
        QCoreApplication::installTranslator(english);
    else
        delete english;
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
