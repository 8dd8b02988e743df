#include "accessibility/box_accessible.h"

#include "accessibility/screen_pixels.h"

#include <QAccessible>
#include <QColor>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace kometa::window {

namespace {

bool askingQt = false;

// Everything as Qt's own interface answers it, but for places: the part's place on the
// screen, hit testing in the screen's pixels, and the picture of the box's icon.
class PlacedAccessible : public QAccessibleInterface, public QAccessibleImageInterface
{
public:
    PlacedAccessible(QAccessibleInterface *own, QWidget *widget) : own(own), widget(widget) { }

    bool isValid() const override { return own->isValid(); }
    QObject *object() const override { return own->object(); }
    QWindow *window() const override { return own->window(); }
    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        return own->relations(match);
    }
    QAccessibleInterface *focusChild() const override { return own->focusChild(); }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        return ChildAtScreenPoint(this, x, y);
    }
    QAccessibleInterface *parent() const override { return own->parent(); }
    QAccessibleInterface *child(int index) const override { return own->child(index); }
    int childCount() const override { return own->childCount(); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return own->indexOfChild(child);
    }
    QString text(QAccessible::Text kind) const override { return own->text(kind); }
    void setText(QAccessible::Text kind, const QString &text) override
    {
        own->setText(kind, text);
    }
    QRect rect() const override { return ScreenRect(widget); }
    QAccessible::Role role() const override { return own->role(); }
    // The box's text can take the focus only from a click, never from the keyboard. Orca 51
    // reads out a box's labels but those that say they are focusable, which it would read as
    // they got the focus: so a part the keyboard cannot reach does not say so.
    QAccessible::State state() const override
    {
        QAccessible::State state = own->state();
        if (!(widget->focusPolicy() & Qt::TabFocus))
            state.focusable = false;
        return state;
    }
    QColor foregroundColor() const override { return own->foregroundColor(); }
    QColor backgroundColor() const override { return own->backgroundColor(); }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ImageInterface)
            return own->interface_cast(type) ? static_cast<QAccessibleImageInterface *>(this)
                                             : nullptr;
        return own->interface_cast(type);
    }

    // The icon fills its label, as the box lays it out.
    QString imageDescription() const override { return Image()->imageDescription(); }
    QSize imageSize() const override
    {
        return ScreenRect(widget, QRect(QPoint(), Image()->imageSize())).size();
    }
    QPoint imagePosition() const override { return rect().topLeft(); }

private:
    QAccessibleImageInterface *Image() const
    {
        return static_cast<QAccessibleImageInterface *>(
                own->interface_cast(QAccessible::ImageInterface));
    }

    QAccessibleInterface *own;
    QWidget *widget;
};

} // namespace

bool IsBoxPart(QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && !qobject_cast<QPushButton *>(widget)
            && qobject_cast<QMessageBox *>(widget->window());
}

QAccessibleInterface *MakeBoxPartAccessible(QObject *object)
{
    askingQt = true;
    QAccessibleInterface *own = QAccessible::queryAccessibleInterface(object);
    askingQt = false;
    return own ? new PlacedAccessible(own, static_cast<QWidget *>(object)) : nullptr;
}

bool AskingQtItself()
{
    return askingQt;
}

} // namespace kometa::window
