// The calculator's one window: built from the control table, each click wired to one
// operation of the logic.
#pragma once

#include "calculator_state.h"
#include "layout/wiring.h"

#include <QString>
#include <QWidget>

class QLocale;

#include <array>
#include <memory>
#include <vector>

namespace kometa::window {

class Announcer;
class FieldBoxes;

// The separator results are written with: the first character of the locale's decimal point.
char16_t DecimalSeparatorOf(const QLocale &locale);

class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(char16_t decimalSeparator, QWidget *parent = nullptr);
    ~Form1() override;

    // What a click on a control of the table does: its operation, or the greeting.
    void Run(const Click &click);

    // Runs the click's operation on the fields. A fault is reported to the user and the
    // window goes on, with the fields as the operation left them. A listening screen reader
    // is told which fields the press changed, or where it changed none, the fields it
    // computes into.
    void Perform(const Click &click);

    void ShowGreeting();

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void ReportFault(const QString &message);

    // The controls in the layout's order.
    std::vector<QWidget *> controls;
    std::unique_ptr<FieldBoxes> fields;
    // What a screen reader calls each field.
    std::array<QString, FieldCount> fieldNames;
    std::unique_ptr<Announcer> announcer;
    bool firstPainted = false;
};

} // namespace kometa::window
