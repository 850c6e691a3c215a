#include "recovery_file.h"

#include "model/survey_file.h"
#include "survey_captions.h"
#include "survey_session.h"
#include "ui/shell/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>
#include <memory>
#include <sstream>
#include <utility>

namespace kalvora::ui {

namespace {

const QString kSurveySuffix = QStringLiteral(".kalvora");
const QString kOriginSuffix = QStringLiteral(".origin");
const QString kLockSuffix = QStringLiteral(".lock");

bool writeAtomically(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size()
        && file.commit();
}

QString readOrigin(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void removeRun(const QString &base)
{
    QFile::remove(base + kSurveySuffix);
    QFile::remove(base + kOriginSuffix);
}

} // namespace

RecoveryFile::RecoveryFile(SurveySession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_id(QUuid::createUuid().toString(QUuid::WithoutBraces))
    , m_lock(QDir(folder()).filePath(m_id + kLockSuffix))
{
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryFile::write);
    connect(&session, &SurveySession::fileStateChanged, this, &RecoveryFile::follow);
}

QString RecoveryFile::folder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

QString RecoveryFile::path() const
{
    return QDir(folder()).filePath(m_id + kSurveySuffix);
}

void RecoveryFile::follow()
{
    if (!m_session.isModified()) {
        m_timer.stop();
        remove();
    } else if (!m_timer.isActive()) {
        m_timer.start();
    }
}

void RecoveryFile::write()
{
    if (!m_session.isModified())
        return;
    std::ostringstream text;
    // A survey the writer refuses (it would not read back) is kept by the next good write.
    if (model::WriteSurvey(m_session.survey(), text))
        return;
    // The run takes its lock with its first recovery file, before writing it, not at the
    // program's start, which it would slow: until then it has nothing another run could offer.
    if (!m_lock.isLocked()) {
        QDir().mkpath(folder());
        m_lock.tryLock(0);
    }
    const QString base = QDir(folder()).filePath(m_id);
    writeAtomically(base + kOriginSuffix, m_session.path().toUtf8());
    writeAtomically(base + kSurveySuffix, QByteArray::fromStdString(text.str()));
}

void RecoveryFile::remove()
{
    removeRun(QDir(folder()).filePath(m_id));
}

void RecoveryFile::offerLeftSurvey(QWidget *window, std::function<void()> next)
{
    const QDir recovery(folder());
    const QFileInfoList left
        = recovery.entryInfoList({ QStringLiteral("*") + kSurveySuffix }, QDir::Files, QDir::Time);
    for (const QFileInfo &file : left) {
        const QString base = recovery.filePath(file.completeBaseName());
        if (file.completeBaseName() == m_id)
            continue;
        // A run that still holds its lock is alive: its survey is not left behind.
        auto lock = std::make_shared<QLockFile>(base + kLockSuffix);
        lock->setStaleLockTime(std::chrono::milliseconds::zero());
        if (!lock->tryLock(0))
            continue;
        model::SurveyReading reading = model::ReadSurveyFile(file.filePath().toStdString());
        if (!reading.complete()) {
            removeRun(base);
            continue;
        }
        const QString origin = readOrigin(base + kOriginSuffix);
        const model::Language language = m_session.language();
        const QString name = origin.isEmpty() ? pick(surveyCaption(SurveyText::Untitled), language)
                                              : QFileInfo(origin).fileName();
        auto survey = std::make_shared<model::Survey>(std::move(*reading.survey));
        askChoice(window, pick(surveyCaption(SurveyText::RecoveryTitle), language),
            pick(surveyCaption(SurveyText::RecoveryText), language).arg(name),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
            [this, base, origin, survey, lock, next = std::move(next)](
                QMessageBox::StandardButton answer) {
                if (answer == QMessageBox::Yes) {
                    m_session.replace(std::move(*survey), origin, true);
                    write();
                }
                removeRun(base);
                next();
            });
        return;
    }
    next();
}

} // namespace kalvora::ui
