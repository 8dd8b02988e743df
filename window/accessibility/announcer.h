// Tells a screen reader what a press changed. The focus stays on the control that was
// pressed, and a screen reader reads out changes of the focused control only, so a result
// written into another field would otherwise pass unheard.
#pragma once

#include "accessibility/answer_kinds.h"
#include "calculator_state.h"
#include "controls/field_boxes.h"

#include <QString>

#include <memory>
#include <optional>
#include <span>

class QWidget;

namespace kometa::window {

// What a press announces: each field whose text it changed, in field order, as the field's
// spoken name and its new text, "Результат: 42. Память 1: пусто"; a blank field is heard as
// «пусто». Empty when there is nothing to tell. Where the screen reader reads new text in
// the focused box by itself, that box is named only when it was emptied, which it does not
// read.
QString Announcement(const FieldTexts &names, const FieldTexts &before, const FieldTexts &after,
                     std::optional<Field> focused, bool focusedTextIsRead);

// What a press answers: what it changed, as above, or where it changed no field, each field
// it computes into with its text as it stands, «Результат: 42» again, so that a press that
// worked is never silent.
QString Answer(const FieldTexts &names, const FieldTexts &before, const FieldTexts &after,
               std::optional<Field> focused, bool focusedTextIsRead,
               std::span<const Field> computedInto);

// The kind of a press's answer: of the fields it changed, or where it changed none, of those
// it computes into.
AnswerKind KindOf(const FieldTexts &before, const FieldTexts &after,
                  std::span<const Field> computedInto, bool failed);

// For as long as it lives, the toolkit's report that the focused box's text was removed is
// held back; the box's new text is still reported. A press that rewrites the box with the
// focus, such as Enter on a register, is answered by its announcement; Orca 51 takes the
// removal of a text that was selected for the user's own deletion and adds «Выбранное
// удалено» to the answer. Where no screen reader does that, it holds back nothing.
class QuietRemoval
{
public:
    explicit QuietRemoval(QWidget *focusedBox);
    ~QuietRemoval();
    QuietRemoval(const QuietRemoval &) = delete;
    QuietRemoval &operator=(const QuietRemoval &) = delete;

private:
    bool holds = false;
};

class Announcer
{
public:
    explicit Announcer(QWidget *window);
    ~Announcer();

    // Spoken politely: after what the screen reader is saying, not over it. Where the
    // platform can be told, an answer of a kind replaces one of the same kind still waiting.
    void Announce(const QString &message, AnswerKind kind);

    // Whether the screen reader reads new text in the focused box by itself, so that an
    // announcement would say it twice.
    static bool ReadsFocusedText();

private:
    // Each platform's own way to make a screen reader speak, in the file named for the
    // platform: on Linux where Qt has no announcement (before 6.8); on Windows always, since
    // Qt's own cannot say which answer replaces which.
    void AnnounceWithoutQt(const QString &message, AnswerKind kind);

    QWidget *window;
    struct Notice;
    std::unique_ptr<Notice> notice;
};

} // namespace kometa::window
