#include "walk_clothing_and_help.h"

#include "ui/shell/windows.h"

#include <QTest>
#include <QWidget>

namespace kalvora::ui::test {

namespace {

void click(Windows &windows, WindowId id, const char *name)
{
    QWidget *window = windows.window(id);
    QWidget *control = window ? window->findChild<QWidget *>(QString::fromLatin1(name)) : nullptr;
    QVERIFY2(control, name);
    QTest::mouseClick(control, Qt::LeftButton);
}

} // namespace

void walkClothingAndHelp(
    Windows &windows, const std::function<void(WindowId, const QString &)> &snap)
{
    click(windows, WindowId::Form1, "Label6");
    QVERIFY(windows.isOpen(WindowId::Form13));
    snap(WindowId::Form13, QStringLiteral("clothing"));

    click(windows, WindowId::Form13, "Picture1");
    QVERIFY(windows.isOpen(WindowId::Form8));
    snap(WindowId::Form8, QStringLiteral("help_clothing"));
    click(windows, WindowId::Form8, "salir");
    click(windows, WindowId::Form13, "salir");
    QVERIFY(!windows.isOpen(WindowId::Form13));

    click(windows, WindowId::Form1, "Label2");
    click(windows, WindowId::Form8, "pagsig");
    snap(WindowId::Form8, QStringLiteral("help_metabolic"));
    click(windows, WindowId::Form8, "salir");
    QVERIFY(!windows.isOpen(WindowId::Form8));
}

} // namespace kalvora::ui::test
