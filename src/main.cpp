#include "platform/AppIdentity.h"
#include "platform/QtPlatform.h"
#include "window/VorOdAra.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationName);
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(DesktopId);
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    QtPlatform desktop;
    VorOdAra window(desktop);
    desktop.SetDialogParent(&window);
    if (!window.Load())
        return 0;
    return app.exec();
}
