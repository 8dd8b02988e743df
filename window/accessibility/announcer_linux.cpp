#include "accessibility/announcer.h"

#include "accessibility/screen_pixels.h"

#include <QAccessible>
#include <QObject>
#include <QRect>
#include <QWidget>
#include <QWindow>

#include <initializer_list>
#include <memory>

namespace kometa::window {

namespace {

// Before Qt 6.8, what Orca 43 speaks whatever has the focus is an object of the notification
// role that becomes showing: the role, then the labels inside it, which are also what it
// flashes on a braille display. So the notification has no name
// of its own (a label that repeats its parent's name is left out) and one label with the
// text. A description or name change would not do: Orca speaks those only on the focused
// control, and this Qt sends the object instead of the new text with them.
class NoticeAccessible : public QAccessibleInterface
{
public:
    NoticeAccessible(QObject *object, QWidget *form, QAccessible::Role role)
        : notice(object), form(form), kind(role)
    {
    }

    QString message;
    NoticeAccessible *parentNotice = nullptr;
    NoticeAccessible *label = nullptr;

    bool isValid() const override { return true; }
    QObject *object() const override { return notice; }
    QWindow *window() const override { return form->windowHandle(); }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    // Reachable upwards from the window, not listed among its controls: the window's tab
    // order and children stay as they are.
    QAccessibleInterface *parent() const override
    {
        if (parentNotice)
            return parentNotice;
        return QAccessible::queryAccessibleInterface(form);
    }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? label : nullptr;
    }
    int childCount() const override { return label ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child == label ? 0 : -1;
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? message : QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    // Not drawn anywhere: it stands for the whole window.
    QRect rect() const override { return ScreenRect(form); }
    QAccessible::Role role() const override { return kind; }
    QAccessible::State state() const override { return {}; }

private:
    QObject *notice;
    QWidget *form;
    QAccessible::Role kind;
};

// The box whose removals are held back, and the handler of accessibility events that was
// there before: none, where Qt hands events to the accessibility bus itself.
QWidget *quietBox = nullptr;
QAccessible::UpdateHandler previousHandler = nullptr;

void HoldBackRemovals(QAccessibleEvent *event);

void Forward(QAccessibleEvent *event)
{
    QAccessible::installUpdateHandler(previousHandler);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&HoldBackRemovals);
}

void HoldBackRemovals(QAccessibleEvent *event)
{
    if (event->object() != quietBox) {
        Forward(event);
    } else if (event->type() == QAccessible::TextUpdated) {
        auto *update = static_cast<QAccessibleTextUpdateEvent *>(event);
        if (!update->textInserted().isEmpty()) {
            QAccessibleTextInsertEvent inserted(quietBox, update->changePosition(),
                                                update->textInserted());
            inserted.setCursorPosition(update->cursorPosition());
            Forward(&inserted);
        }
    } else if (event->type() != QAccessible::TextRemoved) {
        Forward(event);
    }
}

} // namespace

QuietRemoval::QuietRemoval(QWidget *focusedBox) : holds(focusedBox && !quietBox)
{
    if (!holds)
        return;
    quietBox = focusedBox;
    previousHandler = QAccessible::installUpdateHandler(&HoldBackRemovals);
}

QuietRemoval::~QuietRemoval()
{
    if (!holds)
        return;
    QAccessible::installUpdateHandler(previousHandler);
    quietBox = nullptr;
}

struct Announcer::Notice
{
    // Qt's accessibility cache owns the interfaces and drops each when its object goes.
    QObject object;
    QObject labelObject;
    NoticeAccessible *accessible = nullptr;
};

// What the screen reader does, which the program cannot ask, told by the Qt it was released
// beside. Orca 43, beside Qt 6.4 on Debian 12, reads new text in the focused box as it
// appears; Orca 48 beside Qt 6.8 on Debian 13, and Orca 51 beside Qt 6.11 on testing, leave a
// change of the focused box unsaid when no typing caused it.
bool Announcer::ReadsFocusedText()
{
    return QT_VERSION < QT_VERSION_CHECK(6, 8, 0);
}

// Orca has no way to be told that one answer replaces another: every one is heard.
void Announcer::AnnounceWithoutQt(const QString &message, AnswerKind)
{
    // Made at the first announcement, so that a session without a screen reader never
    // builds it.
    if (!notice) {
        notice = std::make_unique<Notice>();
        notice->accessible = new NoticeAccessible(&notice->object, window, QAccessible::Notification);
        auto *label = new NoticeAccessible(&notice->labelObject, window, QAccessible::StaticText);
        label->parentNotice = notice->accessible;
        notice->accessible->label = label;
        QAccessible::registerAccessibleInterface(notice->accessible);
        QAccessible::registerAccessibleInterface(label);
    }
    notice->accessible->label->message = message;
    for (QAccessible::Event change : { QAccessible::ObjectHide, QAccessible::ObjectShow }) {
        QAccessibleEvent event(notice->accessible, change);
        QAccessible::updateAccessibility(&event);
    }
}

// Here, where the notice is complete.
Announcer::Announcer(QWidget *window) : window(window) { }
Announcer::~Announcer() = default;

} // namespace kometa::window
