#include "form_driver.h"

#include "ui/input/register.h"
#include "ui/results/register.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace kalvora::ui::test {

FormDriver::FormDriver(model::Language language)
{
    state.setLanguage(language);
    registerInputForm(state, windows);
    registerHub(state, windows);
    windows.open(WindowId::InputForm);
}

FormDriver::~FormDriver()
{
    windows.close(WindowId::Hub);
    windows.close(WindowId::InputForm);
    settle();
}

void FormDriver::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void FormDriver::perform(const QStringList &actions)
{
    for (const QString &action : actions) {
        const qsizetype equals = action.indexOf(QLatin1Char('='));
        if (equals < 0)
            click(form(), action);
        else
            type(action.left(equals), action.mid(equals + 1));
    }
}

void FormDriver::click(QWidget *window, const QString &name)
{
    QWidget *target = control(window, name);
    // Check boxes and options react only over their indicator and text: aim at the indicator.
    const bool indicator = qobject_cast<QAbstractButton *>(target)
        && !qobject_cast<QToolButton *>(target) && !qobject_cast<QPushButton *>(target);
    const QPoint where = indicator ? QPoint(6, target->height() / 2) : target->rect().center();
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, where);
}

void FormDriver::type(const QString &box, const QString &text)
{
    auto *edit = control<QLineEdit>(form(), box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void FormDriver::load()
{
    click(form(), QStringLiteral("Cargar_datos"));
}

} // namespace kalvora::ui::test
