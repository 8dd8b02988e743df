#include "form1.h"

#include "accessibility/announcer.h"
#include "accessibility/control_accessible.h"
#include "controls/button_palette.h"
#include "controls/field_boxes.h"
#include "controls/font_faces.h"
#include "controls/message_box.h"
#include "controls/pictures.h"
#include "controls/push_button.h"
#include "controls/text_box.h"
#include "layout/control_table.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPalette>
#include <QPushButton>
#include <QString>
#include <QTimer>

#include <cstddef>
#include <exception>
#include <new>
#include <optional>
#include <span>
#include <string_view>

namespace kometa::window {

using namespace Qt::StringLiterals;

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::CursorShape CursorFor(Pointer pointer)
{
    switch (pointer) {
    case Pointer::WhatsThis:
        return Qt::WhatsThisCursor;
    case Pointer::Forbidden:
        return Qt::ForbiddenCursor;
    case Pointer::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

QPushButton *CreateButton(const ControlSpec &row, QWidget *parent)
{
    auto *button = new PushButton(FromUtf8(row.caption), parent);
    // No default button: Enter presses only the button that has the focus, and Escape
    // presses nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setPalette(WhiteFacePalette(QApplication::palette(button)));
    if (!row.picture.empty())
        SetPicture(button, row.picture);
    return button;
}

QString FaultText(FaultCondition condition)
{
    switch (condition) {
    case FaultCondition::Overflow:
        return u"Ошибка вычисления: переполнение."_s;
    case FaultCondition::DivisionByZero:
        return u"Ошибка вычисления: деление на ноль."_s;
    case FaultCondition::InvalidOperation:
        return u"Ошибка вычисления: недопустимая операция."_s;
    case FaultCondition::InvalidArgument:
        return u"Ошибка вычисления: недопустимый аргумент."_s;
    }
    return u"Ошибка вычисления."_s;
}

} // namespace

char16_t DecimalSeparatorOf(const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? u'.' : point.front().unicode();
}

Form1::Form1(char16_t decimalSeparator, QWidget *parent) : QWidget(parent)
{
    InstallAccessibility(staticMetaObject);
    setObjectName(u"Form1"_s);
    // The layout is a picture of a keypad: a right-to-left language must not mirror its
    // captions ("<", "M1+", "+/-") or the place of its fields. Captions are drawn in the
    // application's direction, not the widget's, and a translation would set that to its
    // own unless it is set here first.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    setWindowTitle(FromUtf8(WindowTitle));
    setAccessibleName(FromUtf8(WindowAccessibleName));
    setFixedSize(Pixels(ClientWidthTwips), Pixels(ClientHeightTwips));
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::black);
    setPalette(background);
    setAutoFillBackground(true);

    // Children start with the window's font before they get their own; giving the window a
    // face the controls use anyway spares loading the default one.
    setFont(FontFor(Controls.front().font));

    std::array<QLineEdit *, FieldCount> boxes {};
    QWidget *previous = nullptr;
    for (const ControlSpec &row : Controls) {
        QWidget *control = nullptr;
        if (row.kind == ControlKind::TextBox) {
            auto *box = new TextBox(this);
            box->setText(FromUtf8(row.caption));
            box->SetHasClick(row.click.Wired());
            box->SetEnterClicks(row.enter == EnterKey::Clicks);
            box->setAccessibleDescription(FromUtf8(row.clickDescription));
            const auto field = static_cast<std::size_t>(row.field.value());
            boxes.at(field) = box;
            fieldNames.at(field) = FromUtf8(row.accessibleName);
            if (row.click.Wired())
                connect(box, &TextBox::clicked, this, [this, &row] { Run(row.click); });
            control = box;
        } else {
            auto *button = CreateButton(row, this);
            connect(button, &QPushButton::clicked, this, [this, &row] { Run(row.click); });
            control = button;
        }
        control->setObjectName(FromUtf8(row.name));
        control->setGeometry(Pixels(row.left), Pixels(row.top), Pixels(row.width),
                             Pixels(row.height));
        control->setFont(FontFor(row.font));
        control->setAccessibleName(FromUtf8(row.accessibleName));
        if (previous)
            setTabOrder(previous, control);
        previous = control;
        controls.push_back(control);
    }
    fields = std::make_unique<FieldBoxes>(decimalSeparator, boxes);
    announcer = std::make_unique<Announcer>(this);

    boxes.front()->setFocus();
}

Form1::~Form1() = default;

void Form1::changeEvent(QEvent *event)
{
    // A theme switched while the calculator runs must not leave light captions on white;
    // the window's own palette changes with the application's.
    if (event->type() == QEvent::PaletteChange) {
        for (QPushButton *button : findChildren<QPushButton *>())
            button->setPalette(WhiteFacePalette(QApplication::palette(button)));
    }
    QWidget::changeEvent(event);
}

void Form1::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // The icon is for the task bar and the window switcher and the pointers are for a mouse
    // over a control, not for the first picture of the calculator: handing them to the
    // window system (and loading the pointer theme) waits until that is drawn.
    if (!firstPainted) {
        firstPainted = true;
        QTimer::singleShot(0, this, [this] {
            setWindowIcon(CometIcon());
            for (std::size_t i = 0; i < Controls.size(); ++i) {
                if (Controls[i].pointer != Pointer::Arrow)
                    controls[i]->setCursor(CursorFor(Controls[i].pointer));
            }
        });
    }
}

void Form1::Run(const Click &click)
{
    if (click.greets)
        ShowGreeting();
    else if (click.operation)
        Perform(click);
}

void Form1::Perform(const Click &click)
{
    // Without a screen reader nothing is compared.
    const bool listened = QAccessible::isActive();
    FieldTexts before;
    if (listened)
        before = fields->Snapshot();
    std::vector<Field> computedInto;
    QString failure;
    // An exception must not leave a Qt slot: it would end the program and lose every field.
    try {
        // The answer tells what the press did to the focused box.
        const QuietRemoval answered(listened ? qobject_cast<TextBox *>(focusWidget()) : nullptr);
        click.operation(*fields);
        if (listened && click.targets)
            computedInto = click.targets(*fields);
    } catch (const ArithmeticFault &fault) {
        failure = FaultText(fault.Condition());
    } catch (const std::bad_alloc &) {
        failure = u"Не удалось выполнить действие: не хватает памяти."_s;
    } catch (const std::exception &error) {
        qCritical("kometa: %s", error.what());
        failure = u"Не удалось выполнить действие: внутренняя ошибка программы."_s;
    }
    // The box is spoken as it opens.
    if (!failure.isEmpty())
        ReportFault(failure);
    if (!listened)
        return;
    // After a failure, once its box is closed, what the operation wrote before it failed.
    const FieldTexts after = fields->Snapshot();
    const QString heard = failure.isEmpty()
            ? Answer(fieldNames, before, after, fields->Focused(), Announcer::ReadsFocusedText(),
                     computedInto)
            : Announcement(fieldNames, before, after, fields->Focused(),
                           Announcer::ReadsFocusedText());
    if (!heard.isEmpty())
        announcer->Announce(heard, KindOf(before, after, computedInto, !failure.isEmpty()));
}

void Form1::ShowGreeting()
{
    ShowMessageBox(this, QMessageBox::Information, FromUtf8(GreetingTitle),
                   u"Привет от команды Кометы.Програмировать на C++ это интересно!   "
                   u"Заходите на мой сайт kometa.example "_s);
}

void Form1::ReportFault(const QString &message)
{
    ShowMessageBox(this, QMessageBox::Critical, FromUtf8(FaultTitle), message);
}

} // namespace kometa::window
