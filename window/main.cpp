#include "early_start.h"
#include "form1.h"
#include "system/system_libraries.h"
#include "toolkit_translation.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QString>

#include <thread>

int main(int argc, char *argv[])
{
    // Before anything loads a library of its own accord.
    kometa::window::KeepLibrarySearchToSafeFolders();
    kometa::window::EarlyStart early;
    QApplication application(argc, argv);
    const std::jthread bus = early.ConnectSessionBus();
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KOMETA_APP_ID));
    const QLocale locale = QLocale::system();
    kometa::window::InstallToolkitTranslation(locale.uiLanguages().value(0));
    early.WaitForFonts();
    // Results are written with the user's decimal separator; reading always takes a point.
    kometa::window::Form1 form(kometa::window::DecimalSeparatorOf(locale));
    form.show();
    return application.exec();
}
