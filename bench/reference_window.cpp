// The floor to measure kometa against: a bare Qt Widgets window of the same size with six
// line edits and 32 push buttons at fixed places, and nothing else.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(193, 353);
    for (int i = 0; i < 6; ++i)
        (new QLineEdit(&window))->setGeometry(8, 8 + i * 28, 145, 24);
    for (int i = 0; i < 32; ++i)
        (new QPushButton(QString::number(i), &window))->setGeometry(8 + (i % 6) * 30, 180 + (i / 6) * 28, 25, 25);
    window.show();
    return application.exec();
}
