#include "method_views_walk.h"

#include "ui/shell/control_name.h"
#include "ui/shell/windows.h"

#include <QCheckBox>
#include <QTest>

namespace kalvora::ui::test {

void walkThroughMethodViews(Windows &windows, const WalkActions &walk)
{
    walk.click(WindowId::Hub, QStringLiteral("modificar"));
    QWidget *input = windows.window(WindowId::InputForm);
    QVERIFY(input);
    for (int method = 0; method < 6; ++method) {
        const QString name = controlName("Método", method);
        auto *box = input->findChild<QCheckBox *>(name);
        QVERIFY2(box, qPrintable(name));
        // Ticked from the keyboard, as a user who tabs through the methods does.
        if (!box->isChecked()) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
        }
        QVERIFY2(box->isChecked(), qPrintable(name));
    }
    walk.snap(WindowId::InputForm, QStringLiteral("input_all_methods"));
    walk.click(WindowId::InputForm, QStringLiteral("Cargar_datos"));
    QVERIFY(windows.isOpen(WindowId::Hub));

    struct Door
    {
        const char *button;
        WindowId view;
        const char *picture;
    };
    constexpr Door kDoors[] = {
        { "BWBGT", WindowId::WbgtView, "view_wbgt" },
        { "BIVM", WindowId::PmvView, "view_pmv" },
        { "BIVF", WindowId::WindChillView, "view_wci" },
        { "BISC", WindowId::HsiView, "view_hsi" },
        { "BSWreq", WindowId::SweatRateView, "view_swreq" },
        { "BIREQ", WindowId::IreqView, "view_ireq" },
    };
    for (const Door &door : kDoors) {
        walk.click(WindowId::Hub, QString::fromUtf8(door.button));
        QWidget *view = windows.window(door.view);
        QVERIFY2(view && view->isVisible(), door.button);
        QVERIFY2(!view->windowTitle().isEmpty(), door.button);
        walk.snap(door.view, QString::fromUtf8(door.picture));
        walk.click(door.view, QStringLiteral("salir"));
        QVERIFY2(!windows.isOpen(door.view), door.button);
    }
}

} // namespace kalvora::ui::test
