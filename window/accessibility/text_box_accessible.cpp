#include "accessibility/text_box_accessible.h"

#include "accessibility/screen_pixels.h"
#include "controls/text_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMetaObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

namespace kometa::window {

namespace {

// Qt's own line-edit interface is private to Qt, so its text and editing are offered here
// again through the public line-edit calls.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    explicit TextBoxAccessible(TextBox *box) : QAccessibleWidget(box, QAccessible::EditableText)
    {
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    TextBox *Box() const { return static_cast<TextBox *>(widget()); }

    QRect rect() const override
    {
        return ScreenRect(widget());
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return Box()->text();
        return QAccessibleWidget::text(kind);
    }

    void setText(QAccessible::Text kind, const QString &text) override
    {
        if (kind == QAccessible::Value)
            Box()->setText(text);
        else
            QAccessibleWidget::setText(kind, text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        return state;
    }

    // The click is the box's own action; SetFocus stays as Qt offers it.
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (Box()->HasClick())
            names.prepend(pressAction());
        return names;
    }

    // The action returns before the click runs, as a button's does: a click that opens a
    // box would otherwise keep whoever asked waiting until the box is closed.
    void doAction(const QString &name) override
    {
        if (name == pressAction() && Box()->HasClick())
            QMetaObject::invokeMethod(Box(), &TextBox::Click, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(name);
    }

    QStringList keyBindingsForAction(const QString &name) const override
    {
        if (name != pressAction())
            return QAccessibleWidget::keyBindingsForAction(name);
        return Box()->EnterClicks() ? QStringList { QStringLiteral("Return") } : QStringList();
    }

    // Text.
    void selection(int index, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (index != 0 || !Box()->hasSelectedText())
            return;
        *startOffset = Box()->selectionStart();
        *endOffset = Box()->selectionEnd();
    }
    int selectionCount() const override { return Box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int index) override
    {
        if (index == 0)
            Box()->deselect();
    }
    void setSelection(int index, int startOffset, int endOffset) override
    {
        if (index == 0)
            Box()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return Box()->cursorPosition(); }
    void setCursorPosition(int position) override { Box()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override
    {
        if (startOffset > endOffset)
            return {};
        return Box()->text().mid(startOffset, endOffset - startOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                             int *startOffset, int *endOffset) const override
    {
        return QAccessibleTextInterface::textBeforeOffset(AtCaret(offset), boundary,
                                                          startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                            int *startOffset, int *endOffset) const override
    {
        return QAccessibleTextInterface::textAfterOffset(AtCaret(offset), boundary,
                                                         startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                         int *endOffset) const override
    {
        return QAccessibleTextInterface::textAtOffset(AtCaret(offset), boundary, startOffset,
                                                      endOffset);
    }
    int characterCount() const override { return int(Box()->text().size()); }
    // Where a magnifier follows the caret, in the screen's pixels.
    QRect characterRect(int offset) const override
    {
        const QRect rect = Box()->CharacterRect(offset);
        return rect.isNull() ? rect : ScreenRect(Box(), rect);
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return Box()->cursorPositionAt(LocalPoint(Box(), point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        Box()->setCursorPosition(endIndex);
        Box()->setCursorPosition(startIndex);
    }
    // The whole text is one run without attributes. Orca reads a field at focus up to the end
    // of the run it is given, so an empty run would cut off the field's last character.
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        Q_UNUSED(offset);
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    // Editing.
    void deleteText(int startOffset, int endOffset) override
    {
        Box()->setText(Box()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString &text) override
    {
        Box()->setText(Box()->text().insert(offset, text));
    }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        Box()->setText(Box()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    // An offset of -2 asks for the caret's place.
    int AtCaret(int offset) const { return offset == -2 ? cursorPosition() : offset; }
};

} // namespace

QAccessibleInterface *MakeTextBoxAccessible(TextBox *box)
{
    return new TextBoxAccessible(box);
}

} // namespace kometa::window
