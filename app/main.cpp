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
    // LC_ALL, else LC_MESSAGES, else LANG (and LANGUAGE, if set) choose the
    // language; numbers are read and written the same way in every locale.
    rk::installTranslators(QLocale::system());

    rk::Form1 form;
    form.Form_Load();
    form.show();
    // Asked for after the window: the display server maps the window before
    // the SVG engine draws the icon, and the window manager shows the icon
    // when it arrives.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/rungekutta.svg")));
    return app.exec();
}
