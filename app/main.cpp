#include "app/CommandLine.h"
#include "app/Form1.h"
#include "app/Translations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char* argv[])
{
    if (const auto status = rk::answerCommandLine(argc, argv))
        return *status;
    // The window class under X and the application id under Wayland both
    // name rungekutta.desktop, so a desktop ties the window to its menu entry.
    QApplication::setApplicationName(QStringLiteral("rungekutta"));
    QApplication::setApplicationVersion(QStringLiteral(RK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("rungekutta"));
    QApplication app(argc, argv);
    // The icon's pictures built in, drawn from the installed SVG at build
    // time: no theme lookup and no SVG engine at start-up.
    QIcon icon;
    for (const int size : {16, 32, 64, 128})
        icon.addFile(QStringLiteral(":/icons/rungekutta-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    // LC_ALL, else LC_MESSAGES, else LANG (and LANGUAGE, if set) choose the
    // language; numbers are read and written the same way in every locale.
    rk::installTranslators(QLocale::system());

    rk::Form1 form;
    form.Form_Load();
    form.show();
    return app.exec();
}
