#include "walk_survey.h"

#include "dialog_answerer.h"
#include "survey_program.h"
#include "ui/survey/survey_edits.h"

namespace kalvora::ui::test {

namespace {

void press(QWidget *window, const QKeySequence &key)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keySequence(window, key);
}

} // namespace

void walkSurvey(Windows &windows, const std::function<void(WindowId, const QString &)> &snap)
{
    SurveyDesk *desk = windows.findChild<SurveyDesk *>();
    QVERIFY(desk);
    const bool english = desk->session().language() == model::Language::English;
    {
        DialogAnswerer name(
            { english ? QStringLiteral("Workbench") : QStringLiteral("Banco de trabajo") });
        press(windows.window(WindowId::InputForm), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    }
    QVERIFY(windows.isOpen(WindowId::Survey));
    const auto type = [&windows](const char *field, const QString &text) {
        auto *edit = windows.window(WindowId::Survey)->findChild<QLineEdit *>(QLatin1String(field));
        edit->setFocus();
        edit->setText(text); // set, not typed: the keyboard simulation takes ASCII only
    };
    type("title",
        english ? QStringLiteral("Bakery, summer survey")
                : QStringLiteral("Panadería, campaña de verano"));
    type("site",
        english ? QStringLiteral("Main street 12, Oviedo")
                : QStringLiteral("Calle Mayor 12, Oviedo"));
    type("assessor", QStringLiteral("M. Fernández"));
    SurveySession &session = desk->session();
    std::vector<model::MeasurementPoint> more;
    more.push_back(point(
        english ? QStringLiteral("Oven front, 1.1 m") : QStringLiteral("Frente al horno, 1,1 m"),
        { "Método_0", "Método_1", "Método_2", "Método_3", "Metabolismo=150", "Taseco=34",
            "Iclo=0.6", "vaire=0.3", "tglobo=45", "tbhn=27", "HR=40", "Radsolar=0", "postura=0" }));
    more.push_back(point(
        english ? QStringLiteral("Cold store door") : QStringLiteral("Puerta de la cámara"),
        { "Método_0", "Método_1", "Método_2", "Método_3", "Método_4", "Método_5", "Metabolismo=80",
            "Taseco=10", "Iclo=0.8", "vaire=0.8", "tglobo=11", "tbhn=6", "HR=60" }));
    more.push_back(
        point(english ? QStringLiteral("Loading bay") : QStringLiteral("Muelle de carga"),
            { "Método_2", "Taseco=25", "tglobo=20" }));
    addPoints(session, session.pointCount(), std::move(more), SurveyText::UndoAdd);
    snap(WindowId::Survey, QStringLiteral("survey"));

    press(windows.window(WindowId::Survey), QKeySequence::Print);
    QVERIFY(windows.isOpen(WindowId::SurveyReport));
    snap(WindowId::SurveyReport, QStringLiteral("survey_report"));
    windows.close(WindowId::SurveyReport);

    BoxAnswerer discard({ QMessageBox::Discard });
    press(windows.window(WindowId::Survey), QKeySequence::New);
    QCOMPARE(discard.texts().size(), 1);
    QVERIFY(!session.isModified());
    windows.close(WindowId::Survey);
}

} // namespace kalvora::ui::test
