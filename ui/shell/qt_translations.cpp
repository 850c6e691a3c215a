#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kalvora::ui {

bool useQtTranslations(model::Language language)
{
    static QTranslator spanish;
    QCoreApplication::removeTranslator(&spanish);
    if (language != model::Language::Spanish)
        return true;
    if (spanish.isEmpty()
        && !spanish.load(
            QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&spanish);
}

} // namespace kalvora::ui
