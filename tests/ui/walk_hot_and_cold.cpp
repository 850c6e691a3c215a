#include "walk_hot_and_cold.h"

#include "test_support.h"
#include "ui/shell/control_name.h"
#include "ui/shell/windows.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

namespace kalvora::ui::test {

namespace {

struct Workplace
{
    const char *name; ///< prefix of its pictures
    std::initializer_list<std::pair<const char *, const char *>> texts; ///< box, text typed
    std::initializer_list<const char *> options; ///< option buttons chosen
};

// The natural wet-bulb temperature may not exceed the air's: −12 °C is near what a natural
// wet-bulb thermometer reads in still air at −10 °C and 70 %.
const Workplace kWorkplaces[] = {
    { "hot",
        { { "Metabolismo", "150" }, { "Taseco", "35" }, { "tglobo", "50" }, { "Iclo", "0.5" },
            { "vaire", "0.5" }, { "HR", "40" }, { "tbhn", "28" } },
        { "Radiacion_0", "humedad_0", "Radsolar_0", "postura_0" } },
    { "cold",
        { { "Metabolismo", "100" }, { "Taseco", "-10" }, { "tglobo", "-10" }, { "Iclo", "1" },
            { "vaire", "1" }, { "HR", "70" }, { "tbhn", "-12" } },
        { "Radiacion_0", "humedad_0", "Radsolar_1", "postura_0" } },
};

struct Door
{
    const char *control;
    WindowId opens;
    const char *picture;
};

constexpr Door kViews[] = {
    { "BIVM", WindowId::PmvView, "view_pmv" },
    { "BISC", WindowId::HsiView, "view_hsi" },
    { "BWBGT", WindowId::WbgtView, "view_wbgt" },
    { "BSWreq", WindowId::SweatRateView, "view_swreq" },
    { "BIVF", WindowId::WindChillView, "view_wci" },
    { "BIREQ", WindowId::IreqView, "view_ireq" },
    { "Picture1", WindowId::ResultsSummary, "summary" },
    { "Picture3", WindowId::SweepWindow, "sweep" },
    { "observaciones", WindowId::ParametersReport, "report" },
};

QString pictureName(const Workplace &place, const char *what)
{
    return QString::fromUtf8(place.name) + QLatin1Char('_') + QString::fromUtf8(what);
}

void enter(QWidget *input, const Workplace &place)
{
    // Methods first, so that every box takes typing.
    for (int method = 0; method < 6; ++method) {
        auto *box = input->findChild<QCheckBox *>(controlName("Método", method));
        QVERIFY(box);
        if (!box->isChecked()) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
        }
    }
    for (const char *option : place.options) {
        auto *button = input->findChild<QAbstractButton *>(QString::fromUtf8(option));
        QVERIFY2(button, option);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QVERIFY2(button->isChecked(), option);
    }
    for (const auto &[name, text] : place.texts) {
        auto *edit = input->findChild<QLineEdit *>(QString::fromUtf8(name));
        QVERIFY2(edit && edit->isEnabled(), name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QString::fromUtf8(text));
        QCOMPARE(edit->text(), QString::fromUtf8(text));
    }
}

} // namespace

void walkHotAndCold(Windows &windows, const WalkActions &walk)
{
    for (const Workplace &place : kWorkplaces) {
        walk.click(WindowId::Hub, QStringLiteral("modificar"));
        QWidget *input = windows.window(WindowId::InputForm);
        QVERIFY(input);
        enter(input, place);
        walk.snap(WindowId::InputForm, pictureName(place, "input"));
        {
            // PMV leaves its range in both workplaces: its message is answered.
            MessageRecorder messages;
            walk.click(WindowId::InputForm, QStringLiteral("Cargar_datos"));
            QVERIFY(windows.isOpen(WindowId::Hub));
            QVERIFY(messages.count() >= 1);
        }
        walk.snap(WindowId::Hub, pictureName(place, "hub"));

        for (const Door &door : kViews) {
            QWidget *control = windows.window(WindowId::Hub)
                                   ->findChild<QWidget *>(QString::fromUtf8(door.control));
            QVERIFY2(control, door.control);
            if (!control->isEnabled())
                continue; // a method switched off by its range opens nothing
            MessageRecorder messages; // a fault in a sweep row is reported, and answered
            walk.click(WindowId::Hub, QString::fromUtf8(door.control));
            QVERIFY2(windows.isOpen(door.opens), door.control);
            walk.snap(door.opens, pictureName(place, door.picture));
            if (door.opens == WindowId::ResultsSummary) {
                walk.click(WindowId::ResultsSummary, controlName("rango", 0));
                QVERIFY(windows.isOpen(WindowId::RangesView));
                walk.snap(WindowId::RangesView, pictureName(place, "ranges"));
                windows.close(WindowId::RangesView);
            }
            windows.close(door.opens);
        }
    }
}

} // namespace kalvora::ui::test
