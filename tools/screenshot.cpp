// Draws the window offscreen after a short calculation and saves it as a PNG, for the
// README. Usage: screenshot OUTPUT.png [SCALE]
#include "form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QTest>

#include <initializer_list>

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    if (argc > 2)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    kometa::window::Form1 form(u',');
    form.show();
    // 12,5 : 4 — typed with the keypad, then divided.
    for (const char *name : { "C1", "C2", "Command11", "C5" })
        form.findChild<QPushButton *>(name)->click();
    QTest::mouseClick(form.findChild<QLineEdit *>("Text2"), Qt::LeftButton);
    form.findChild<QPushButton *>("C4")->click();
    form.findChild<QPushButton *>("Comdel")->click();
    form.findChild<QPushButton *>("Command9")->click();
    return form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
