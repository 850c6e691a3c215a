#include "recent_surveys.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace kalvora::ui {

namespace {

const QString kKey = QStringLiteral("recentSurveys");

QSettings settings()
{
    const QString name = QCoreApplication::applicationName();
    return QSettings(name, name);
}

} // namespace

QStringList recentSurveys()
{
    return settings().value(kKey).toStringList();
}

void rememberSurvey(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = recentSurveys();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kRecentSurveys)
        files.removeLast();
    settings().setValue(kKey, files);
}

} // namespace kalvora::ui
