#include "accessibility/announcer.h"

#include <QAccessible>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstddef>
#include <vector>

namespace kometa::window {

using namespace Qt::StringLiterals;

namespace {

// A field as it is heard. A register holds one blank when empty; a blank is not heard at all.
QString Spoken(const QString &name, const QString &text)
{
    return name + u": "_s + (text.trimmed().isEmpty() ? u"пусто"_s : text);
}

} // namespace

QString Announcement(const FieldTexts &names, const FieldTexts &before, const FieldTexts &after,
                     std::optional<Field> focused, bool focusedTextIsRead)
{
    QStringList changes;
    for (std::size_t field = 0; field < FieldCount; ++field) {
        const QString &text = after[field];
        if (text == before[field])
            continue;
        const bool blank = text.trimmed().isEmpty();
        if (focusedTextIsRead && focused == static_cast<Field>(field) && !blank)
            continue;
        changes.append(Spoken(names[field], text));
    }
    return changes.join(u". "_s);
}

QString Answer(const FieldTexts &names, const FieldTexts &before, const FieldTexts &after,
               std::optional<Field> focused, bool focusedTextIsRead,
               std::span<const Field> computedInto)
{
    if (before != after)
        return Announcement(names, before, after, focused, focusedTextIsRead);
    QStringList fields;
    for (Field field : computedInto) {
        const auto index = static_cast<std::size_t>(field);
        fields.append(Spoken(names[index], after[index]));
    }
    return fields.join(u". "_s);
}

AnswerKind KindOf(const FieldTexts &before, const FieldTexts &after,
                  std::span<const Field> computedInto, bool failed)
{
    std::vector<Field> named;
    for (std::size_t field = 0; field < FieldCount; ++field) {
        if (after[field] != before[field])
            named.push_back(static_cast<Field>(field));
    }
    const std::span<const Field> fields = named.empty() ? computedInto : named;
    const QString &result = after[static_cast<std::size_t>(Field::Text3)];
    return KindOfAnswer(fields, result.toStdU16String(), failed);
}

void Announcer::Announce(const QString &message, [[maybe_unused]] AnswerKind kind)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) && !defined(Q_OS_WIN)
    // Qt hands its own announcement to the accessibility bus or to UI Automation, only while
    // an assistive client listens, and screen readers speak it whatever has the focus.
    QAccessibleAnnouncementEvent event(window, message);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    AnnounceWithoutQt(message, kind);
#endif
}

} // namespace kometa::window
