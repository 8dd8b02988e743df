#include "accessibility/control_accessible.h"

#include "accessibility/box_accessible.h"
#include "accessibility/screen_pixels.h"
#include "controls/text_box.h"
#include "accessibility/text_box_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QMetaObject>
#include <QObject>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace kometa::window {

namespace {

// A push button as Qt presents one (role, name, states, Press), placed on the screen.
class ButtonAccessible : public QAccessibleWidget
{
public:
    explicit ButtonAccessible(QPushButton *button) : QAccessibleWidget(button, QAccessible::Button)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QPushButton *Button() const { return static_cast<QPushButton *>(widget()); }

    QString text(QAccessible::Text kind) const override
    {
        QString text;
        if (kind == QAccessible::Name) {
            text = widget()->accessibleName();
            if (text.isEmpty())
                text = WithoutMnemonic(Button()->text());
        } else if (kind == QAccessible::Accelerator) {
            text = Button()->isDefault()
                    ? QKeySequence(Qt::Key_Enter).toString(QKeySequence::NativeText)
                    : QKeySequence::mnemonic(Button()->text()).toString(QKeySequence::NativeText);
        }
        return text.isEmpty() ? QAccessibleWidget::text(kind) : text;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = Button()->isDown();
        state.defaultButton = Button()->isDefault();
        return state;
    }

    QRect rect() const override
    {
        return ScreenRect(widget());
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << pressAction();
        return names << QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override
    {
        if (!widget()->isEnabled())
            return;
        if (name == pressAction())
            Button()->animateClick();
        else
            QAccessibleWidget::doAction(name);
    }

    QStringList keyBindingsForAction(const QString &name) const override
    {
        if (name == pressAction())
            return { Button()->shortcut().toString() };
        return {};
    }

private:
    // "&OK" is read "OK", "&&" is one ampersand.
    static QString WithoutMnemonic(const QString &caption)
    {
        QString text;
        for (qsizetype i = 0; i < caption.size(); ++i) {
            if (caption[i] == u'&' && i + 1 < caption.size())
                ++i;
            text += caption[i];
        }
        return text;
    }
};

// The calculator's window, placed on the screen. Hit testing takes the screen's pixels
// too, and the controls' places are already in them.
class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget *window) : QAccessibleWidget(window, QAccessible::Client) { }

    QRect rect() const override
    {
        return ScreenRect(widget());
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        return ChildAtScreenPoint(this, x, y);
    }
};

const QMetaObject *calculatorWindow = nullptr;

// Asked with each class name of the object in turn, most derived first.
QAccessibleInterface *ControlFactory(const QString &, QObject *object)
{
    if (AskingQtItself())
        return nullptr;
    if (auto *box = qobject_cast<TextBox *>(object))
        return MakeTextBoxAccessible(box);
    if (object->metaObject() == calculatorWindow)
        return new WindowAccessible(static_cast<QWidget *>(object));
    // Also the buttons of the greeting and fault boxes. A checkable button or one with a
    // menu is left to Qt, which presents those differently.
    if (auto *button = qobject_cast<QPushButton *>(object);
        button && !button->isCheckable() && !button->menu())
        return new ButtonAccessible(button);
    if (IsBoxPart(object))
        return MakeBoxPartAccessible(object);
    return nullptr;
}

} // namespace

void InstallAccessibility(const QMetaObject &windowClass)
{
    calculatorWindow = &windowClass;
    static const bool installed = [] {
        QAccessible::installFactory(ControlFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace kometa::window
