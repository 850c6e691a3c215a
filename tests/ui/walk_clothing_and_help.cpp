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
    click(windows, WindowId::InputForm, "Label6");
    QVERIFY(windows.isOpen(WindowId::ClothingSelector));
    snap(WindowId::ClothingSelector, QStringLiteral("clothing"));

    click(windows, WindowId::ClothingSelector, "Picture1");
    QVERIFY(windows.isOpen(WindowId::HelpViewer));
    snap(WindowId::HelpViewer, QStringLiteral("help_clothing"));
    click(windows, WindowId::HelpViewer, "salir");
    click(windows, WindowId::ClothingSelector, "salir");
    QVERIFY(!windows.isOpen(WindowId::ClothingSelector));

    click(windows, WindowId::InputForm, "Label2");
    click(windows, WindowId::HelpViewer, "pagsig");
    snap(WindowId::HelpViewer, QStringLiteral("help_metabolic"));
    click(windows, WindowId::HelpViewer, "salir");
    QVERIFY(!windows.isOpen(WindowId::HelpViewer));
}

} // namespace kalvora::ui::test
