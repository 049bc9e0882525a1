#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace rk {

void installTranslators(const QLocale& locale)
{
    QCoreApplication* app = QCoreApplication::instance();
    const QString tag = QStringLiteral("rk-translator");
    // A translator takes itself out of the application when it is deleted.
    for (QTranslator* old : app->findChildren<QTranslator*>(tag, Qt::FindDirectChildrenOnly))
        delete old;
    const auto install = [&](const QString& name, const QString& folder) {
        auto* translator = new QTranslator(app);
        translator->setObjectName(tag);
        // Tries name_<language>_<territory>, then name_<language>, for each
        // of the locale's interface languages in turn.
        if (translator->load(locale, name, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    };
    install(QStringLiteral("rungekutta"), QStringLiteral(":/i18n"));
    install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace rk
