#include "UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace brinox {

UiLanguage::~UiLanguage() {
    Remove();
}

void UiLanguage::Install(const QStringList& languages) {
    Remove();
    for (const QString& tag : languages) {
        const QString language = tag.section(QLatin1Char('-'), 0, 0).toLower();
        if (language == QLatin1String("en") || language == QLatin1String("c")) {
            return;
        }
        if (game.load(QStringLiteral(":/i18n/brinox_") + language)) {
            name = language;
            QCoreApplication::installTranslator(&game);
            if (qt.load(QStringLiteral("qtbase_") + language,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(&qt);
            }
            return;
        }
    }
}

void UiLanguage::Remove() {
    QCoreApplication::removeTranslator(&qt);
    QCoreApplication::removeTranslator(&game);
    name.clear();
}

} // namespace brinox
