// The floor beneath kometa's start: a bare Qt Widgets window with the calculator's 38
// controls at their places, each with its caption and the font the calculator asks for on
// this platform, and nothing else. What kometa takes beyond it is its own; what both take is
// the toolkit's and the fonts'.
#include "controls/font_faces.h"
#include "layout/control_table.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

using namespace kometa::window;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(Pixels(ClientWidthTwips), Pixels(ClientHeightTwips));
    window.setFont(FontFor(Controls.front().font));
    for (const ControlSpec &row : Controls) {
        const QString caption = QString::fromUtf8(row.caption.data(),
                                                 static_cast<qsizetype>(row.caption.size()));
        QWidget *control = nullptr;
        if (row.kind == ControlKind::TextBox)
            control = new QLineEdit(caption, &window);
        else
            control = new QPushButton(caption, &window);
        control->setGeometry(Pixels(row.left), Pixels(row.top), Pixels(row.width),
                             Pixels(row.height));
        control->setFont(FontFor(row.font));
    }
    window.show();
    return application.exec();
}
