#include "announcer.h"

#include <QAccessible>
#include <QWidget>

namespace kometa::window {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

// Nothing to keep: Qt has an announcement, which it hands to the accessibility bus (or to UI
// Automation) and which screen readers speak whatever has the focus.
struct Announcer::Notice
{
};

// Orca 48, beside this Qt on Debian 13, leaves a change of the focused box unsaid when no
// typing caused it.
bool Announcer::ReadsFocusedText()
{
    return false;
}

void Announcer::Announce(const QString &message)
{
    QAccessibleAnnouncementEvent event(window, message);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
}

#elif defined(Q_OS_WIN)

// Qt before 6.8 has no announcement for UI Automation, and the notification object that Orca
// speaks means nothing there: a press is heard only through what it focuses.
struct Announcer::Notice
{
};

bool Announcer::ReadsFocusedText()
{
    return true;
}

void Announcer::Announce(const QString &) { }

#else

namespace {

// Before Qt 6.8 there is no announcement. What Orca 43 speaks whatever has the focus is an
// object of the notification role that becomes showing: the role, then the object's name.
// A description or name change would not do: Orca speaks those only on the focused control,
// and this Qt sends the object instead of the new text with them.
class NoticeAccessible : public QAccessibleInterface
{
public:
    NoticeAccessible(QObject *object, QWidget *form) : notice(object), form(form) { }

    QString message;

    bool isValid() const override { return true; }
    QObject *object() const override { return notice; }
    QWindow *window() const override { return form->windowHandle(); }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    // Reachable upwards from the window, not listed among its controls: the window's tab
    // order and children stay as they are.
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(form);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? message : QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    QObject *notice;
    QWidget *form;
};

} // namespace

struct Announcer::Notice
{
    // Qt's accessibility cache owns the interface and drops it when this object goes.
    QObject object;
    NoticeAccessible *accessible = nullptr;
};

// Orca 43, beside this Qt on Debian 12, reads new text in the focused box as it appears.
bool Announcer::ReadsFocusedText()
{
    return true;
}

void Announcer::Announce(const QString &message)
{
    // Made at the first announcement, so that a session without a screen reader never
    // builds it.
    if (!notice) {
        notice = std::make_unique<Notice>();
        notice->accessible = new NoticeAccessible(&notice->object, window);
        QAccessible::registerAccessibleInterface(notice->accessible);
    }
    notice->accessible->message = message;
    for (QAccessible::Event change : { QAccessible::ObjectHide, QAccessible::ObjectShow }) {
        QAccessibleEvent event(notice->accessible, change);
        QAccessible::updateAccessibility(&event);
    }
}

#endif

Announcer::Announcer(QWidget *window) : window(window) { }

// Here, where each platform's Notice is complete.
Announcer::~Announcer() = default;

} // namespace kometa::window
