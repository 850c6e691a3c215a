#include "survey_files.h"

#include "model/survey_file.h"
#include "recent_surveys.h"
#include "survey_captions.h"
#include "survey_session.h"
#include "ui/shell/messages.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QStandardPaths>
#include <memory>

namespace kalvora::ui {

namespace {

/// The reader's reason for a file it could not read whole: the file's, or each point's.
QString readingProblem(const model::SurveyReading &reading)
{
    if (!reading.survey)
        return QString::fromStdString(reading.error);
    QStringList problems;
    for (const model::UnreadablePoint &point : reading.unreadable)
        problems << QString::fromStdString(point.message);
    return problems.join(QLatin1Char('\n'));
}

/// Where the file dialogs start: beside the survey's file, or in the documents folder.
QString startFolder(const SurveySession &session)
{
    if (!session.path().isEmpty())
        return QFileInfo(session.path()).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

SurveyFiles::SurveyFiles(SurveySession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
{
}

void SurveyFiles::newSurvey(QWidget *window)
{
    settle(window, [this] { m_session.replace(model::Survey(), QString(), false); });
}

void SurveyFiles::open(QWidget *window)
{
    const model::Language language = m_session.language();
    const QString path
        = QFileDialog::getOpenFileName(window, pick(surveyCaption(SurveyText::OpenTitle), language),
            startFolder(m_session), pick(surveyCaption(SurveyText::SurveyFilter), language));
    if (!path.isEmpty())
        openPath(window, path);
}

void SurveyFiles::openPath(QWidget *window, const QString &path)
{
    const model::Language language = m_session.language();
    model::SurveyReading reading = model::ReadSurveyFile(path.toStdString());
    // A survey read in part would lose its unreadable points when saved again.
    if (!reading.complete()) {
        showWarning(window, pick(surveyCaption(SurveyText::OpenTitle), language),
            pick(surveyCaption(SurveyText::CannotOpen), language)
                    .arg(QDir::toNativeSeparators(path))
                + QLatin1Char('\n') + readingProblem(reading));
        return;
    }
    auto survey = std::make_shared<model::Survey>(std::move(*reading.survey));
    settle(window, [this, survey, path] {
        m_session.replace(std::move(*survey), QFileInfo(path).absoluteFilePath(), false);
        rememberSurvey(path);
    });
}

void SurveyFiles::save(QWidget *window, std::function<void()> saved)
{
    if (m_session.path().isEmpty()) {
        saveAs(window, std::move(saved));
        return;
    }
    writeTo(window, m_session.path(), std::move(saved));
}

void SurveyFiles::saveAs(QWidget *window, std::function<void()> saved)
{
    const model::Language language = m_session.language();
    const QString proposed = m_session.path().isEmpty()
        ? QDir(startFolder(m_session))
              .filePath(m_session.displayName() + QString::fromLatin1(model::kSurveyExtension))
        : m_session.path();
    // The dialog adds the extension to a name typed without it, and asks before replacing a file.
    QFileDialog dialog(window, pick(surveyCaption(SurveyText::SaveTitle), language), proposed,
        pick(surveyCaption(SurveyText::SurveyFilter), language));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromLatin1(model::kSurveyExtension + 1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    writeTo(window, dialog.selectedFiles().front(), std::move(saved));
}

void SurveyFiles::writeTo(QWidget *window, const QString &path, std::function<void()> saved)
{
    if (const std::optional<QString> error = m_session.saveAs(path)) {
        const model::Language language = m_session.language();
        showWarning(window, pick(surveyCaption(SurveyText::SaveTitle), language),
            pick(surveyCaption(SurveyText::CannotSave), language)
                    .arg(QDir::toNativeSeparators(path))
                + QLatin1Char('\n') + *error);
        return;
    }
    rememberSurvey(path);
    if (saved)
        saved();
}

void SurveyFiles::settle(QWidget *window, std::function<void()> proceed)
{
    if (!m_session.isModified()) {
        proceed();
        return;
    }
    const model::Language language = m_session.language();
    askChoice(window, pick(surveyCaption(SurveyText::UnsavedTitle), language),
        pick(surveyCaption(SurveyText::UnsavedText), language).arg(m_session.displayName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save,
        [this, window, proceed = std::move(proceed)](QMessageBox::StandardButton answer) {
            if (answer == QMessageBox::Save)
                save(window, proceed);
            else if (answer == QMessageBox::Discard)
                proceed();
        });
}

QList<QAction *> SurveyFiles::addFileActions(QMenu *menu, QWidget *window)
{
    const model::Language language = m_session.language();
    const auto add = [&](SurveyText text, const char *icon, QKeySequence::StandardKey key,
                         std::function<void()> command) {
        QAction *action = menu->addAction(QIcon::fromTheme(QString::fromLatin1(icon)),
            pick(surveyCaption(text), language), this, std::move(command));
        action->setShortcut(key);
        return action;
    };
    QAction *newSurvey = add(SurveyText::NewSurvey, "document-new", QKeySequence::New,
        [this, window] { this->newSurvey(window); });
    QAction *openFile = add(
        SurveyText::Open, "document-open", QKeySequence::Open, [this, window] { open(window); });
    QMenu *recent = menu->addMenu(pick(surveyCaption(SurveyText::OpenRecent), language));
    connect(recent, &QMenu::aboutToShow, this,
        [this, recent, window] { fillRecentMenu(recent, window); });
    fillRecentMenu(recent, window);
    QAction *saveFile = add(
        SurveyText::Save, "document-save", QKeySequence::Save, [this, window] { save(window); });
    add(SurveyText::SaveAs, "document-save-as", QKeySequence::SaveAs,
        [this, window] { saveAs(window); });
    return { newSurvey, openFile, saveFile };
}

void SurveyFiles::fillRecentMenu(QMenu *menu, QWidget *window)
{
    menu->clear();
    const QStringList files = recentSurveys();
    if (files.isEmpty()) {
        menu->addAction(pick(surveyCaption(SurveyText::NoRecent), m_session.language()))
            ->setEnabled(false);
        return;
    }
    int number = 0;
    for (const QString &file : files) {
        // &1 … &8: the digit chooses the file from the keyboard.
        const QString text
            = QStringLiteral("&%1 %2").arg(++number).arg(QDir::toNativeSeparators(file));
        menu->addAction(text, this, [this, window, file] { openPath(window, file); });
    }
}

} // namespace kalvora::ui
