#include "app/CommandLine.h"
#include "app/Form1.h"
#include "app/Translations.h"
#include "ui/SurfaceAhead.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLocale>
#include <QPixmap>
#include <QResource>

#include <fontconfig/fontconfig.h>

#include <thread>

namespace {

// The icon's pictures built in, drawn from the installed SVG at build time
// and kept as bare RGBA bytes: no theme lookup, no SVG engine and no image
// decoder at start-up (the first decode loads every image format plugin).
QIcon windowIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 64, 128}) {
        const QResource bytes(QStringLiteral(":/icons/rungekutta-%1.rgba").arg(size));
        const QByteArray rgba = bytes.uncompressedData();
        if (rgba.size() != qsizetype{size} * size * 4)
            continue;
        // The format a decoded picture has, so the window system gets the same pixels.
        const QImage picture(reinterpret_cast<const uchar*>(rgba.constData()), size, size, size * 4,
                             QImage::Format_RGBA8888);
        icon.addPixmap(QPixmap::fromImage(picture.convertToFormat(QImage::Format_ARGB32)));
    }
    return icon;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const auto status = rk::answerCommandLine(argc, argv))
        return *status;

    // Reading the system's font configuration takes about as long as
    // connecting to the display, and the first control with text would wait
    // for it; read it alongside. Fontconfig takes the first configuration
    // loaded, whichever thread loads it. The plot's surface is made there
    // too, while the display is still connecting.
    std::thread ahead([] {
        FcInit();
        rk::prepareSurface(rk::Form1::plotSurfaceSize());
    });

    // The window class under X and the application id under Wayland both
    // name rungekutta.desktop, so a desktop ties the window to its menu entry.
    QApplication::setApplicationName(QStringLiteral("rungekutta"));
    QApplication::setApplicationVersion(QStringLiteral(RK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("rungekutta"));
    QApplication app(argc, argv);
    // LC_ALL, else LC_MESSAGES, else LANG (and LANGUAGE, if set) choose the
    // language; numbers are read and written the same way in every locale.
    rk::installTranslators(QLocale::system());

    ahead.join();
    rk::Form1 form;
    form.Form_Load();
    form.show();
    // Asked for after the window: the display server maps the window before
    // it takes in the icon, and the window manager shows the icon when it
    // arrives.
    QApplication::setWindowIcon(windowIcon());
    return app.exec();
}
