#include "accessibility/announcer.h"

#include <QAccessible>
#include <QWidget>

namespace kometa::window {

using namespace Qt::StringLiterals;

QString Announcement(const FieldTexts &names, const FieldTexts &before, const FieldTexts &after,
                     std::optional<Field> focused, bool focusedTextIsRead)
{
    QStringList changes;
    for (std::size_t field = 0; field < FieldCount; ++field) {
        const QString &text = after[field];
        if (text == before[field])
            continue;
        // A register holds one blank when empty; a blank is not heard at all.
        const bool blank = text.trimmed().isEmpty();
        if (focusedTextIsRead && focused == static_cast<Field>(field) && !blank)
            continue;
        changes.append(names[field] + u": "_s + (blank ? u"пусто"_s : text));
    }
    return changes.join(u". "_s);
}

void Announcer::Announce(const QString &message)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt hands its own announcement to the accessibility bus or to UI Automation, only while
    // an assistive client listens, and screen readers speak it whatever has the focus.
    QAccessibleAnnouncementEvent event(window, message);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    AnnounceWithoutQt(message);
#endif
}

} // namespace kometa::window
