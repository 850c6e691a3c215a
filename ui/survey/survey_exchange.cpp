#include "survey_exchange.h"

#include "model/survey_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace kalvora::ui {

namespace {

const QString kProgram = QStringLiteral("kalvora-cli");
/// A command line run that has not ended by then is stopped: the window must not wait forever.
constexpr int kLongestRunMs = 5 * 60 * 1000;

QString languageOption(model::Language language)
{
    return language == model::Language::English ? QStringLiteral("en") : QStringLiteral("es");
}

/// Runs the command line; empty when it ended with status 0, otherwise what it said went wrong.
std::optional<QString> runCommandLine(const QStringList &arguments)
{
    const QString program = commandLineProgram();
    if (program.isEmpty())
        return QStringLiteral("%1: not found").arg(kProgram);
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(kLongestRunMs)) {
        process.kill();
        process.waitForFinished();
        return QStringLiteral("%1: %2").arg(kProgram, process.errorString());
    }
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return std::nullopt;
    const QString said = QString::fromUtf8(process.readAllStandardError()).trimmed();
    return said.isEmpty() ? QStringLiteral("%1: status %2").arg(kProgram).arg(process.exitCode())
                          : said;
}

} // namespace

QString commandLineProgram()
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString &candidate :
        { here.filePath(kProgram), here.filePath(QStringLiteral("../cli/") + kProgram) })
        if (QFileInfo(candidate).isExecutable())
            return QDir::cleanPath(candidate);
    return QStandardPaths::findExecutable(kProgram);
}

std::variant<std::vector<model::MeasurementPoint>, QString> importBatchCsv(
    const QString &path, model::Language language)
{
    const QTemporaryDir folder;
    if (!folder.isValid())
        return folder.errorString();
    const QString imported = folder.filePath(QStringLiteral("imported.kalvora"));
    if (const std::optional<QString> error = runCommandLine({ QStringLiteral("import"), path,
            QStringLiteral("-o"), imported, QStringLiteral("--lang"), languageOption(language) }))
        return *error;
    model::SurveyReading reading = model::ReadSurveyFile(imported.toStdString());
    if (!reading.complete())
        return QString::fromStdString(reading.error);
    return std::move(reading.survey->points);
}

std::optional<QString> exportResultsCsv(
    const model::Survey &survey, const QString &path, model::Language language)
{
    const QTemporaryDir folder;
    if (!folder.isValid())
        return folder.errorString();
    const QString copy = folder.filePath(QStringLiteral("survey.kalvora"));
    if (const std::optional<std::string> error = model::SaveSurveyFile(survey, copy.toStdString()))
        return QString::fromStdString(*error);
    return runCommandLine(
        { QStringLiteral("survey"), copy, QStringLiteral("--format"), QStringLiteral("csv"),
            QStringLiteral("--lang"), languageOption(language), QStringLiteral("-o"), path });
}

} // namespace kalvora::ui
