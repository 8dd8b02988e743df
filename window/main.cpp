#include "form1.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Results are written with the user's decimal separator; reading always takes a point.
    kometa::window::Form1 form(kometa::window::DecimalSeparatorOf(QLocale::system()));
    form.show();
    return application.exec();
}
