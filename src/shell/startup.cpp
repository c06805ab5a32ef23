#include "shell/startup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installQtTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_uk"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
