// The window as a user meets it: real mouse and key events on the controls, modal boxes
// read and closed by the test.
#include "accessibility/announcer.h"
#include "calculator_state.h"
#include "controls/button_palette.h"
#include "controls/field_boxes.h"
#include "form1.h"
#include "layout/control_table.h"
#include "toolkit_translation.h"

#ifdef Q_OS_WIN
#include "accessibility/uia_notification.h"
#endif

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QList>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QObject>
#include <QPalette>
#include <QPushButton>
#include <QRect>
#include <QScopeGuard>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <new>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;
using kometa::window::Form1;
using kometa::window::AnswerKind;

namespace {

const char *const FieldNames[] = { "Text1", "Text2", "Text3", "Text4", "Text5", "Text6" };

// The ways a user reaches a control's operation.
enum class Gesture { Mouse, Enter, KeypadEnter, ScreenReader };

struct SeenBox
{
    QString title;
    QString text;
    // The box's kind, which decides its picture and, on Windows, its sound.
    QMessageBox::Icon icon;
    bool pictured;
    QStringList buttons;
    // Shown before an accessible action had returned: whoever asked was kept waiting.
    bool keptAnActionWaiting;
};

// Set while an accessible action runs.
bool insideAnAction = false;

// Runs an action that may open a modal box; the box is read and closed with its OK button
// as soon as it shows, so a test never hangs on it.
std::optional<SeenBox> CloseBoxesDuring(const std::function<void()> &action)
{
    std::optional<SeenBox> seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        QStringList buttons;
        for (QAbstractButton *button : box->buttons())
            buttons << button->text();
        seen = SeenBox { box->windowTitle(), box->text(), box->icon(), !box->iconPixmap().isNull(),
                         buttons, insideAnAction };
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(5);
    action();
    poll.stop();
    return seen;
}

} // namespace

Q_DECLARE_METATYPE(Gesture)

class Form1Test : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Form1> form;

    QLineEdit *Box(const char *name) { return form->findChild<QLineEdit *>(name); }
    QPushButton *Button(const char *name) { return form->findChild<QPushButton *>(name); }
    QWidget *Control(const QString &name) { return form->findChild<QWidget *>(name); }

    QStringList Fields()
    {
        QStringList texts;
        for (const char *name : FieldNames)
            texts << Box(name)->text();
        return texts;
    }

    void SetFields(const QStringList &texts)
    {
        for (int i = 0; i < 6; ++i)
            Box(FieldNames[i])->setText(texts[i]);
    }

    void Click(const QString &name)
    {
        QWidget *control = Control(name);
        QVERIFY2(control, qPrintable(name));
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    }

    void Reach(const QString &name, Gesture gesture)
    {
        QWidget *control = Control(name);
        QVERIFY2(control, qPrintable(name));
        switch (gesture) {
        case Gesture::Mouse:
            return Click(name);
        case Gesture::Enter:
        case Gesture::KeypadEnter:
            control->setFocus();
            return gesture == Gesture::Enter
                    ? QTest::keyClick(control, Qt::Key_Return)
                    : QTest::keyClick(control, Qt::Key_Enter, Qt::KeypadModifier);
        case Gesture::ScreenReader: {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY(accessible && accessible->actionInterface());
            const QStringList before = Fields();
            insideAnAction = true;
            accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            insideAnAction = false;
            // The action returns before the click runs.
            QCOMPARE(Fields(), before);
            QCoreApplication::processEvents();
            // Qt presses a button for a moment before it clicks.
            if (auto *button = qobject_cast<QPushButton *>(control))
                QTRY_VERIFY(!button->isDown());
        }
        }
    }

    // Opens a text box's context menu with a right click through the window system, as
    // the platform delivers it, and reads the menu's entries without their accelerators.
    QStringList ContextMenuTexts(QWidget *box)
    {
        QStringList texts;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *action : menu->actions())
                if (!action->isSeparator())
                    texts << action->text().remove(u'&').section(u'\t', 0, 0);
            menu->close();
        });
        poll.start(5);
        // The pointer comes to the box from elsewhere in the window, as a user's does: Qt 6.11
        // hands a right click's menu to the widget the pointer last entered, which a window
        // opened under a pointer that has not moved since may have taken.
        const QPoint centre = box->mapTo(form.get(), box->rect().center());
        QTest::mouseMove(form->windowHandle(), QPoint(1, 1));
        QTest::mouseMove(form->windowHandle(), centre);
        QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, centre);
        [[maybe_unused]] const bool opened = QTest::qWaitFor([&] { return !texts.isEmpty(); }, 2000);
        return texts;
    }

private slots:
    void init()
    {
        form = std::make_unique<Form1>(u',');
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() { form.reset(); }

    void opensWithTheInitialTexts()
    {
        QCOMPARE(form->objectName(), u"Form1"_s);
        QCOMPARE(form->windowTitle(), u"   :)"_s);
        QCOMPARE(Fields(), (QStringList { "", "", "", " ", " ", "1" }));
        QCOMPARE(QApplication::focusWidget(), Box("Text1"));
        QCOMPARE(form->size(), QSize(193, 353));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        // The icon follows the first drawing of the window.
        QTRY_VERIFY(!form->windowIcon().isNull());
        QCOMPARE(form->palette().color(QPalette::Window), QColor(Qt::black));
    }

    void controlsFollowTheLayoutInTabOrder()
    {
        using namespace kometa::window;
        QWidget *expectedNext = nullptr;
        for (const ControlSpec &row : Controls) {
            const QString name = QString::fromUtf8(row.name.data(), qsizetype(row.name.size()));
            QWidget *control = Control(name);
            QVERIFY2(control, qPrintable(name));
            const bool isBox = row.kind == ControlKind::TextBox;
            QCOMPARE(qobject_cast<QLineEdit *>(control) != nullptr, isBox);
            const QString text = isBox ? qobject_cast<QLineEdit *>(control)->text()
                                       : qobject_cast<QPushButton *>(control)->text();
            QCOMPARE(text, QString::fromUtf8(row.caption.data(), qsizetype(row.caption.size())));
            QCOMPARE(control->geometry(), QRect(Pixels(row.left), Pixels(row.top),
                                                Pixels(row.width), Pixels(row.height)));
            if (expectedNext)
                QCOMPARE(expectedNext, control);
            expectedNext = control->nextInFocusChain();
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(name));
        }
        QCOMPARE(form->findChildren<QPushButton *>().size(), 32);
        QCOMPARE(form->findChildren<QLineEdit *>().size(), 6);
        // A few places worked out by hand from the twips, so that a wrong conversion cannot
        // pass by being compared with itself.
        const std::pair<const char *, QRect> anchors[] = {
            { "Text1", QRect(8, 16, 145, 24) },  { "Text3", QRect(32, 302, 153, 35) },
            { "Comtg", QRect(104, 48, 24, 25) }, { "Command11", QRect(56, 280, 25, 17) },
            { "C5", QRect(48, 208, 33, 33) },    { "Text6", QRect(168, 48, 17, 27) },
        };
        for (const auto &[name, place] : anchors)
            QCOMPARE(Control(QString::fromLatin1(name))->geometry(), place);
    }

    void pictureButtonsAreCrispAtDoubleScale()
    {
        for (const char *name : { "Command2", "Command8", "Command11", "Command4" }) {
            const QIcon icon = Button(name)->icon();
            QVERIFY2(!icon.isNull(), name);
            const QSize size = Button(name)->iconSize();
            QCOMPARE(icon.pixmap(size, 2.0).size(), size * 2);
        }
        // The pointers follow the first drawing of the window.
        QTRY_COMPARE(Control(u"Command1"_s)->cursor().shape(), Qt::WhatsThisCursor);
        QCOMPARE(Control(u"Command13"_s)->cursor().shape(), Qt::ForbiddenCursor);
        QCOMPARE(Control(u"Command14"_s)->cursor().shape(), Qt::ForbiddenCursor);
        QCOMPARE(Button("C5")->palette().color(QPalette::Button), QColor(Qt::white));
    }

    void everyWiredClickRunsItsOperation_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        const QStringList start { "", "", "", " ", " ", "1" };
        const auto row = [](const char *name, QStringList before, QStringList after) {
            QTest::newRow(name) << QString::fromLatin1(name) << Gesture::Mouse << before << after;
        };
        const auto without = [](const char *name, const char *control, Gesture gesture,
                                QStringList before, QStringList after) {
            QTest::newRow(name) << QString::fromLatin1(control) << gesture << before << after;
        };
        const char *const digits[] = { "C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9" };
        for (int digit = 1; digit <= 9; ++digit) {
            row(digits[digit - 1], { "7", "", "", " ", " ", "1" },
                { "7" + QString::number(digit), "", "", " ", " ", "1" });
        }
        row("Command18", { "", "4", "", " ", " ", "2" }, { "", "40", "", " ", " ", "2" });
        row("Command11", { "1", "", "", " ", " ", "1" }, { "1.", "", "", " ", " ", "1" });
        row("Command12", { "2.5", "", "", " ", " ", "1" }, { "-2,5", "", "", " ", " ", "1" });
        row("Command13", { "12", "34", "", " ", " ", "2" }, { "1", "34", "", " ", " ", "2" });
        row("Command14", { "12", "34", "", " ", " ", "1" }, { "12", "3", "", " ", " ", "1" });
        row("Command3", { "1", "2", "3,5", " ", " ", "2" }, { "3,5", "2", "3,5", " ", " ", "2" });
        row("Command7", { "1", "2", "на ноль неделится", " ", " ", "1" },
            { "1", "на ноль неделится", "на ноль неделится", " ", " ", "1" });
        row("Command4", { "1,5", "2.5", "", " ", " ", "1" }, { "2,5", "1", "", " ", " ", "1" });
        row("Text1", { "123", "4", "", " ", " ", "2" }, { "", "4", "", " ", " ", "1" });
        row("Text2", { "123", "4", "", " ", " ", "1" }, { "123", "", "", " ", " ", "2" });
        row("Text6", start, { "", "", "", " ", " ", "2" });
        row("Complus", { "1,5", "2", "", " ", " ", "1" }, { "1.5", "2", "3,5", " ", " ", "1" });
        row("Comminus", { "2", "5", "", " ", " ", "1" }, { "2", "5", "-3", " ", " ", "1" });
        row("Comumn", { "1", "12,75", "", " ", " ", "1" },
            { "1", "12.75", "12,75", " ", " ", "1" });
        row("Comdel", { "7", "0,0", "", " ", " ", "1" },
            { "7", "0.0", "на ноль неделится", " ", " ", "1" });
        row("Comsin", start, { "", "", "0", " ", " ", "1" });
        row("Comcos", start, { "", "", "1", " ", " ", "1" });
        row("Comtg", { "90", "", "", " ", " ", "1" },
            { "90", "", "tg 90 и 270  несуществует", " ", " ", "1" });
        row("Comctg", start, { "", "", "ctg 0 и 180  несуществует", " ", " ", "1" });
        row("Command2", { "-4", "", "", " ", " ", "1" },
            { "-4", "", "корень не определён", " ", " ", "1" });
        row("Command8", { "2", "-1", "", " ", " ", "1" }, { "2", "-1", "0,5", " ", " ", "1" });
        row("Command9", { "2.5", "", "", "", " ", "1" }, { "2.5", "", "", "2,5", " ", "1" });
        row("Command10", { "3", "", "", "10", " ", "1" }, { "3", "", "", "7", " ", "1" });
        row("Command17", { "5", "", "", " ", " ", "1" }, { "5", "", "", " ", "5", "1" });
        row("Command16", { "3", "", "", " ", "10", "1" }, { "3", "", "", " ", "-7", "1" });
        row("Text4", start, { "", "", " ", "", " ", "1" });
        row("Text5", { "", "", "x", " ", "4,5", "1" }, { "", "", "4,5", " ", "", "1" });
        // Nothing is wired to the result field.
        row("Text3", { "1", "2", "3", "4", "5", "2" }, { "1", "2", "3", "4", "5", "2" });

        // Without a mouse: Enter only where nothing is typed, and a screen reader's action.
        const QStringList typed { "123", "4", "5", "6", "7", "2" };
        without("Text4 by Enter", "Text4", Gesture::Enter, typed,
                { "123", "4", "6", "", "7", "2" });
        without("Text5 by keypad Enter", "Text5", Gesture::KeypadEnter, typed,
                { "123", "4", "7", "6", "", "2" });
        without("Text6 by Enter", "Text6", Gesture::Enter, typed, { "123", "4", "5", "6", "7", "1" });
        without("Text1 by Enter keeps its number", "Text1", Gesture::Enter, typed, typed);
        without("Text2 by keypad Enter keeps its number", "Text2", Gesture::KeypadEnter, typed,
                typed);
        without("Text3 by Enter", "Text3", Gesture::Enter, typed, typed);
        without("Text1 by screen reader", "Text1", Gesture::ScreenReader, typed,
                { "", "4", "5", "6", "7", "1" });
        without("Text2 by screen reader", "Text2", Gesture::ScreenReader, typed,
                { "123", "", "5", "6", "7", "2" });
        without("Text4 by screen reader", "Text4", Gesture::ScreenReader, typed,
                { "123", "4", "6", "", "7", "2" });
        without("Text5 by screen reader", "Text5", Gesture::ScreenReader, typed,
                { "123", "4", "7", "6", "", "2" });
        without("Text6 by screen reader", "Text6", Gesture::ScreenReader, typed,
                { "123", "4", "5", "6", "7", "1" });
        without("Text3 by screen reader", "Text3", Gesture::ScreenReader, typed, typed);
        without("C5 by screen reader", "C5", Gesture::ScreenReader, typed,
                { "123", "45", "5", "6", "7", "2" });
        without("Complus by Enter", "Complus", Gesture::Enter, typed,
                { "123", "4", "127", "6", "7", "2" });
        without("Command16 by keypad Enter", "Command16", Gesture::KeypadEnter, typed,
                { "123", "4", "5", "6", "116", "2" });
    }

    void everyWiredClickRunsItsOperation()
    {
        QFETCH(QString, control);
        QFETCH(Gesture, gesture);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        SetFields(before);
        Reach(control, gesture);
        QCOMPARE(Fields(), after);
    }

    void equalsGreetsAndChangesNothing()
    {
        const QStringList before { "1", "2", "3", "4", "5", "2" };
        SetFields(before);
        const auto seen = CloseBoxesDuring([&] { Click(u"Command1"_s); });
        QVERIFY(seen);
        QCOMPARE(seen->title, u"Привет"_s);
        QCOMPARE(seen->icon, QMessageBox::Information);
        QVERIFY(seen->pictured);
        QCOMPARE(seen->buttons.size(), 1);
        QVERIFY(seen->text.startsWith(u"Привет от "_s));
        QVERIFY(seen->text.contains(u".Програмировать на C++ это интересно!   Заходите на мой сайт "_s));
        QVERIFY(seen->text.endsWith(u' '));
        QCOMPARE(Fields(), before);
    }

    void faultIsReportedAndTheWindowGoesOn_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<Gesture>("gesture");
        QTest::newRow("the indicator's action on an overflow")
                << u"Text6"_s << QStringList { "1", "", "old", " ", " ", "1E999" }
                << QStringList { "1", "", "old", " ", " ", "1E999" } << u"переполнение"_s
                << Gesture::ScreenReader;
        QTest::newRow("sine of an overflow")
                << u"Comsin"_s << QStringList { "1E999", "", "old", " ", " ", "1" }
                << QStringList { "1E999", "", "old", " ", " ", "1" } << u"переполнение"_s
                << Gesture::Mouse;
        QTest::newRow("operands rewritten before the fault")
                << u"Comumn"_s << QStringList { "1E308", "1E308,0", "old", " ", " ", "1" }
                << QStringList { "1E308", "1E308.0", "old", " ", " ", "1" }
                << u"переполнение"_s << Gesture::Mouse;
        QTest::newRow("root of a negative power")
                << u"Command8"_s << QStringList { "-8", ".5", "old", " ", " ", "1" }
                << QStringList { "-8", ".5", "old", " ", " ", "1" } << u"недопустимый аргумент"_s
                << Gesture::Mouse;
        QTest::newRow("zero to a negative power")
                << u"Command8"_s << QStringList { "0", "-1", "old", " ", " ", "1" }
                << QStringList { "0", "-1", "old", " ", " ", "1" } << u"деление на ноль"_s
                << Gesture::Mouse;
    }

    void faultIsReportedAndTheWindowGoesOn()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(QString, condition);
        QFETCH(Gesture, gesture);
        SetFields(before);
        const auto seen = CloseBoxesDuring([&] { Reach(control, gesture); });
        QVERIFY(seen);
        QVERIFY(!seen->keptAnActionWaiting);
        QCOMPARE(seen->icon, QMessageBox::Critical);
        QVERIFY(seen->pictured);
        QVERIFY2(seen->text.contains(condition), qPrintable(seen->text));
        QCOMPARE(Fields(), after);
        // Still alive: the next click works as usual.
        Click(u"Text2"_s);
        Click(u"C7"_s);
        QCOMPARE(Box("Text2")->text(), u"7"_s);
    }

    void failuresAreNamedForWhatTheyAre_data()
    {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("named");
        QTest::newRow("memory") << 0 << u"не хватает памяти"_s;
        QTest::newRow("anything else") << 1 << u"внутренняя ошибка"_s;
    }

    void failuresAreNamedForWhatTheyAre()
    {
        QFETCH(int, failure);
        QFETCH(QString, named);
        const auto fails = failure == 0 ? +[](kometa::CalculatorState &) { throw std::bad_alloc(); }
                                        : +[](kometa::CalculatorState &) {
                                              throw std::length_error("text");
                                          };
        const auto seen = CloseBoxesDuring([&] { form->Perform({ fails }); });
        QVERIFY(seen);
        QVERIFY2(seen->text.contains(named), qPrintable(seen->text));
    }

    void typingChangesOnlyItsField()
    {
        QTest::keyClicks(Box("Text1"), u"12"_s);
        QCOMPARE(Fields(), (QStringList { "12", "", "", " ", " ", "1" }));
        Box("Text2")->setText(u"3"_s);
        Click(u"Complus"_s);
        QCOMPARE(Box("Text3")->text(), u"15"_s);
    }

    void tabMovesFocusWithoutAClick()
    {
        Box("Text2")->setText(u"5"_s);
        QTest::keyClick(Box("Text1"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Box("Text2"));
        QCOMPARE(Box("Text2")->text(), u"5"_s);
        QCOMPARE(Box("Text6")->text(), u"1"_s);
    }

    void enterPressesOnlyTheFocusedButton()
    {
        // Enter in an operand keeps what was typed; Escape presses nothing anywhere.
        Box("Text1")->setText(u"4"_s);
        Box("Text1")->setFocus();
        const auto seen = CloseBoxesDuring([&] {
            QTest::keyClick(Box("Text1"), Qt::Key_Return);
            QTest::keyClick(Box("Text1"), Qt::Key_Enter, Qt::KeypadModifier);
            QTest::keyClick(Box("Text1"), Qt::Key_Escape);
            Button("C5")->setFocus();
            QTest::keyClick(Button("C5"), Qt::Key_Escape);
            // A held Enter presses once; the keypad's Enter presses too.
            QTest::keyPress(Button("C5"), Qt::Key_Return);
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(Button("C5"), &repeat);
            QTest::keyRelease(Button("C5"), Qt::Key_Return);
            QTest::keyClick(Button("C5"), Qt::Key_Enter, Qt::KeypadModifier);
        });
        QVERIFY(!seen);
        QCOMPARE(Box("Text1")->text(), u"455"_s);
        for (QPushButton *button : form->findChildren<QPushButton *>())
            QVERIFY(!button->isDefault() && !button->autoDefault());
    }

    void spacePressesTheFocusedButton()
    {
        Button("C5")->setFocus();
        QTest::keyClick(Button("C5"), Qt::Key_Space);
        QCOMPARE(Box("Text1")->text(), u"5"_s);
    }

    // Through the window system, as a real double click arrives: press, release, press,
    // release within the double-click interval.
    void DoubleClick(QWidget *control)
    {
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {},
                           control->mapTo(form.get(), control->rect().center()));
    }

    void doubleClickIsOneClick()
    {
        DoubleClick(Box("Text6"));
        QCOMPARE(Box("Text6")->text(), u"2"_s);
        Box("Text4")->setText(u"9"_s);
        DoubleClick(Box("Text4"));
        QCOMPARE(Box("Text3")->text(), u"9"_s);
        QCOMPARE(Box("Text4")->text(), u""_s);
    }

    void onlyALeftClickSelectsAnOperand()
    {
        Box("Text1")->setText(u"12"_s);
        QTest::mouseClick(Box("Text1"), Qt::MiddleButton);
        QCOMPARE(Box("Text1")->text(), u"12"_s);
    }

    void longTextsAreKeptWhole()
    {
        // More than the 32767 characters a line edit keeps by default.
        const QString longText(100000, u'7');
        Box("Text3")->setText(longText);
        Click(u"Command3"_s);
        QCOMPARE(Box("Text1")->text().size(), longText.size());
        Click(u"C1"_s);
        QCOMPARE(Box("Text1")->text().size(), longText.size() + 1);
    }

    void resultsUseTheSeparatorOfTheLocale()
    {
        QCOMPARE(kometa::window::DecimalSeparatorOf(QLocale(u"ru_RU"_s)), u',');
        QCOMPARE(kometa::window::DecimalSeparatorOf(QLocale(u"en_US"_s)), u'.');
        QCOMPARE(kometa::window::DecimalSeparatorOf(QLocale::c()), u'.');
        Form1 pointForm(u'.');
        pointForm.findChild<QLineEdit *>("Text1")->setText(u"7"_s);
        pointForm.findChild<QLineEdit *>("Text2")->setText(u"2"_s);
        pointForm.findChild<QPushButton *>("Comdel")->click();
        QCOMPARE(pointForm.findChild<QLineEdit *>("Text3")->text(), u"3.5"_s);
    }

    void picturesHaveSpokenNames()
    {
        // A button that shows only a picture is named by its interface, not its caption.
        for (const char *name : { "Command2", "Command4", "Command8", "Command11" }) {
            const auto *button = QAccessible::queryAccessibleInterface(Button(name));
            QVERIFY(button && button->role() == QAccessible::Button);
            QCOMPARE(button->text(QAccessible::Name), Button(name)->accessibleName());
            QVERIFY2(Button(name)->text().isEmpty() && !button->text(QAccessible::Name).isEmpty(),
                     name);
        }
        QSet<QString> names;
        for (QWidget *control : form->findChildren<QWidget *>())
            if (!control->accessibleName().isEmpty())
                names.insert(control->accessibleName());
        QCOMPARE(names.size(), 38);
        // Every box keeps a line edit's text and editing for assistive technology; a wired
        // one says what its action does.
        for (const char *name : FieldNames) {
            QAccessibleInterface *box = QAccessible::queryAccessibleInterface(Box(name));
            QVERIFY(box && box->textInterface() && box->editableTextInterface());
            QCOMPARE(box->role(), QAccessible::EditableText);
            QCOMPARE(box->text(QAccessible::Value), Box(name)->text());
            const bool wired = QByteArray(name) != "Text3";
            QCOMPARE(box->actionInterface()->actionNames().contains(
                             QAccessibleActionInterface::pressAction()),
                     wired);
            QCOMPARE(!box->text(QAccessible::Description).isEmpty(), wired);
        }
    }

    // What a screen reader asks of a text box and of the window, in the screen's
    // coordinates: selection, caret, each character's place and back, and hit testing.
    void textBoxesAnswerWhereTheirTextIs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("caret");
        QTest::newRow("digits") << u"12345"_s << 1 << 3 << 4;
        QTest::newRow("a message") << u"на ноль неделится"_s << 3 << 7 << 17;
        QTest::newRow("scrolled past its start") << QString(80, u'7') << 70 << 80 << 75;
        QTest::newRow("empty") << QString() << 0 << 0 << 0;
    }

    void textBoxesAnswerWhereTheirTextIs()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(int, caret);
        QLineEdit *box = Box("Text1");
        box->setText(text);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
        QAccessibleTextInterface *textOf = accessible->textInterface();
        textOf->setSelection(0, start, end);
        QCOMPARE(box->selectedText(), text.mid(start, end - start));
        int from = -1, to = -1;
        textOf->selection(0, &from, &to);
        QCOMPARE(textOf->selectionCount(), start == end ? 0 : 1);
        if (start != end)
            QCOMPARE(std::pair(from, to), std::pair(start, end));
        textOf->setCursorPosition(caret);
        QCOMPARE(box->cursorPosition(), caret);
        QCOMPARE(textOf->cursorPosition(), caret);
        // Every character in sight is found again at its own place.
        const QRect shown = accessible->rect();
        int seen = 0;
        for (int offset = 0; offset < text.size(); ++offset) {
            const QRect character = textOf->characterRect(offset);
            QVERIFY2(!character.isEmpty(), qPrintable(QString::number(offset)));
            if (!shown.contains(character.center()))
                continue;
            ++seen;
            QCOMPARE(textOf->offsetAtPoint(character.center()), offset);
        }
        QVERIFY(seen > 0 || text.isEmpty());
        QCOMPARE(textOf->characterRect(text.size()), QRect());
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(form.get());
        QCOMPARE(window->childAt(shown.center().x(), shown.center().y()), accessible);
        const QRect key = QAccessible::queryAccessibleInterface(Button("C5"))->rect();
        QCOMPARE(window->childAt(key.center().x(), key.center().y())->object(), Button("C5"));
    }

    void everyPressIsAnswered_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("focused"); // a field's index, or -1 for a button
        QTest::addColumn<bool>("focusedTextIsRead");
        QTest::addColumn<QList<int>>("computedInto"); // fields' indexes
        QTest::addColumn<QString>("heard");
        QTest::addColumn<AnswerKind>("kind");
        const QStringList start { "12", "30", "", " ", " ", "1" };
        const QStringList added { "12", "30", "42", " ", " ", "1" };
        const QList<int> result { 2 };
        QTest::newRow("result") << start << added << -1 << true << result << u"Поле 3: 42"_s
                                << AnswerKind::Result;
        QTest::newRow("nothing to name") << start << start << -1 << false << QList<int>()
                                         << QString() << AnswerKind::Operand;
        QTest::newRow("two fields, in field order, a blank as empty")
                << QStringList { "", "", "", "12", " ", "1" }
                << QStringList { "", "", "12", "", " ", "1" } << 3 << true << result
                << u"Поле 3: 12. Поле 4: пусто"_s << AnswerKind::Result;
        QTest::newRow("focused box left to the screen reader")
                << start << QStringList { "12", "30", "", " ", " ", "2" } << 5 << true
                << QList<int> { 5 } << QString() << AnswerKind::Operand;
        QTest::newRow("focused box told where the screen reader is silent")
                << start << QStringList { "12", "30", "", " ", " ", "2" } << 5 << false
                << QList<int> { 5 } << u"Поле 6: 2"_s << AnswerKind::Operand;
        QTest::newRow("focused box emptied")
                << start << QStringList { "", "30", "", " ", " ", "1" } << 0 << true
                << QList<int> { 0 } << u"Поле 1: пусто"_s << AnswerKind::Operand;
        // A press that changed nothing names what it computes into, as it stands.
        QTest::newRow("the same result again") << added << added << -1 << true << result
                                               << u"Поле 3: 42"_s << AnswerKind::Result;
        QTest::newRow("backspace on an empty operand")
                << QStringList { "", "30", "", " ", " ", "1" }
                << QStringList { "", "30", "", " ", " ", "1" } << -1 << true << QList<int> { 0 }
                << u"Поле 1: пусто"_s << AnswerKind::Operand;
        QTest::newRow("a swap of equal values names both")
                << start << QStringList(start) << -1 << true << QList<int> { 0, 1 }
                << u"Поле 1: 12. Поле 2: 30"_s << AnswerKind::Operand;
        QTest::newRow("an empty register recalled from its focused box")
                << QStringList { "", "", "", "", " ", "1" } << QStringList { "", "", "", "", " ", "1" }
                << 3 << true << result << u"Поле 3: пусто"_s << AnswerKind::Result;
        QTest::newRow("a change is told, not what it computes into")
                << QStringList { "1,5", "2", "3,5", " ", " ", "1" }
                << QStringList { "1.5", "2", "3,5", " ", " ", "1" } << -1 << true << result
                << u"Поле 1: 1.5"_s << AnswerKind::Operand;
        QTest::newRow("a refusal")
                << start << QStringList { "12", "0", "на ноль неделится", " ", " ", "1" } << -1
                << true << result << u"Поле 2: 0. Поле 3: на ноль неделится"_s
                << AnswerKind::Refusal;
        QTest::newRow("a register") << start << QStringList { "12", "30", "", "12", " ", "1" }
                                    << -1 << true << QList<int> { 3 } << u"Поле 4: 12"_s
                                    << AnswerKind::Memory;
    }

    void everyPressIsAnswered()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(int, focused);
        QFETCH(bool, focusedTextIsRead);
        QFETCH(QList<int>, computedInto);
        QFETCH(QString, heard);
        kometa::window::FieldTexts names, was, is;
        for (int i = 0; i < 6; ++i) {
            names[i] = u"Поле %1"_s.arg(i + 1);
            was[i] = before[i];
            is[i] = after[i];
        }
        const auto field = focused < 0 ? std::nullopt
                                       : std::optional(static_cast<kometa::Field>(focused));
        std::vector<kometa::Field> into;
        for (int index : computedInto)
            into.push_back(static_cast<kometa::Field>(index));
        QCOMPARE(kometa::window::Answer(names, was, is, field, focusedTextIsRead, into), heard);
        QFETCH(AnswerKind, kind);
        QCOMPARE(kometa::window::KindOf(was, is, into, false), kind);
        QCOMPARE(kometa::window::KindOf(was, is, into, true), AnswerKind::Fault);
    }

    // On Windows each answer is raised as a UI Automation notification with its text and its
    // kind's way of being spoken; where the system has no such call, as under Wine, nothing is
    // raised and nothing breaks.
    void announcementsAreRaisedOnWindows()
    {
#ifdef Q_OS_WIN
        using kometa::window::UiaNotification;
        kometa::window::Announcer announcer(form.get());
        announcer.Announce(u"Результат: 42"_s, AnswerKind::Result);
        static QList<UiaNotification> raised;
        const auto system = kometa::window::ReplaceUiaRaise(
                [](QWidget *, const UiaNotification &notification) {
                    raised << notification;
                    return true;
                });
        announcer.Announce(u"Первый операнд: 12345"_s, AnswerKind::Operand);
        announcer.Announce(u"Результат: на ноль неделится"_s, AnswerKind::Refusal);
        kometa::window::ReplaceUiaRaise(system);
        QCOMPARE(raised.size(), 2);
        QCOMPARE(raised[0].text, u"Первый операнд: 12345"_s);
        // An operand as typed replaces one still waiting; a refusal is always heard.
        using kometa::window::UiaProcessing;
        QCOMPARE(raised[0].raising.processing, UiaProcessing::ImportantMostRecent);
        QCOMPARE(QString::fromWCharArray(raised[0].raising.activity), u"kometa.operand"_s);
        QCOMPARE(raised[1].raising.processing, UiaProcessing::ImportantAll);
#else
        QSKIP("UI Automation notifications are raised on Windows only");
#endif
    }

    void toolkitTextsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QString>("paste");
        QTest::newRow("Russian") << u"ru-RU"_s << true << u"Вставить"_s;
        QTest::newRow("English") << u"en_US"_s << false << u"Paste"_s;
        QTest::newRow("no translation") << u"xx_YY"_s << false << u"Paste"_s;
        QTest::newRow("Hebrew, right to left") << u"he_IL"_s << true << QString();
        QTest::newRow("Arabic, right to left") << u"ar"_s << true << QString();
    }

    void toolkitTextsFollowTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(bool, translated);
        QFETCH(QString, paste);
        const char *const mirrorable[] = { "Command9", "Command12", "Command13" };
        QList<QImage> unmirrored;
        for (const char *name : mirrorable)
            unmirrored << Button(name)->grab().toImage();
        QTranslator *translator = kometa::window::InstallToolkitTranslation(language);
        const auto uninstall = qScopeGuard([translator] {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        });
        if (translated)
            QVERIFY(translator && !translator->isEmpty());
        // The keypad does not mirror, neither in a window that was open nor in one opened
        // under the language, as at start.
        QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
        Form1 opened(u',');
        opened.show();
        QVERIFY(QTest::qWaitForWindowExposed(&opened));
        for (Form1 *window : { form.get(), &opened }) {
            for (QWidget *control : window->findChildren<QWidget *>())
                QVERIFY2(!control->isRightToLeft(), qPrintable(control->objectName()));
        }
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(opened.findChild<QPushButton *>(mirrorable[i])->grab().toImage(), unmirrored[i]);
            QCOMPARE(Button(mirrorable[i])->grab().toImage(), unmirrored[i]);
        }
        if (!paste.isEmpty()) {
            const QStringList texts = ContextMenuTexts(Box("Text1"));
            QVERIFY2(texts.contains(paste), qPrintable(texts.join(u", ")));
        }
    }

    void captionsStayReadableOnWhiteFaces_data()
    {
        QTest::addColumn<QColor>("platformCaption");
        QTest::addColumn<QColor>("caption");
        QTest::newRow("dark theme's light text") << QColor(0xeeeeec) << QColor(Qt::black);
        QTest::newRow("grey of 4.48:1") << QColor(0x777777) << QColor(Qt::black);
        QTest::newRow("light theme's dark grey kept") << QColor(0x2e3436) << QColor(0x2e3436);
        QTest::newRow("grey of 4.54:1 kept") << QColor(0x767676) << QColor(0x767676);
    }

    void captionsStayReadableOnWhiteFaces()
    {
        QFETCH(QColor, platformCaption);
        QFETCH(QColor, caption);
        QCOMPARE(qRound(kometa::window::ContrastRatio(Qt::black, Qt::white) * 100), 2100);
        QCOMPARE(qRound(kometa::window::ContrastRatio(QColor(0x767676), Qt::white) * 100), 454);
        const QPalette original = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(original); });
        QPalette theme = original;
        theme.setColor(QPalette::ButtonText, platformCaption);
        theme.setColor(QPalette::Button, QColor(0x353535));
        theme.setColor(QPalette::Base, QColor(0x2d2d2d));
        theme.setColor(QPalette::Text, QColor(0xeeeeec));
        // A theme switched while the window is open, and a window opened under it.
        QApplication::setPalette(theme);
        Form1 opened(u',');
        opened.show();
        QVERIFY(QTest::qWaitForWindowExposed(&opened));
        for (Form1 *window : { form.get(), &opened }) {
            for (QPushButton *button : window->findChildren<QPushButton *>()) {
                QCOMPARE(button->palette().color(QPalette::Button), QColor(Qt::white));
                QCOMPARE(button->palette().color(QPalette::ButtonText), caption);
                // What is drawn: the darkest pixel inside the frame is the caption's.
                // Smoothing lightens thin strokes, so only a caption well above the
                // threshold is held to it in pixels.
                if (button->text().isEmpty() || kometa::window::ContrastRatio(caption, Qt::white) < 7)
                    continue;
                const QImage face = button->grab().toImage().copy(button->rect().adjusted(3, 3, -3, -3));
                QColor darkest = Qt::white;
                for (int y = 0; y < face.height(); ++y)
                    for (int x = 0; x < face.width(); ++x)
                        if (qGray(face.pixel(x, y)) < qGray(darkest.rgb()))
                            darkest = face.pixel(x, y);
                QVERIFY2(kometa::window::ContrastRatio(darkest, Qt::white) >= 4.5,
                         qPrintable(button->objectName() + u' ' + darkest.name()));
            }
            // The text boxes keep the platform's colours.
            QCOMPARE(window->findChild<QLineEdit *>("Text1")->palette().color(QPalette::Base),
                     QColor(0x2d2d2d));
        }
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
