// Build tool: renders the window icon at the sizes the X platform asks a
// scalable icon for, through the same icon engine, so that the program can
// ship the pictures instead of loading the SVG engine when it starts. They
// are written as bare RGBA bytes: the program wraps them as they are, with no
// image decoder, whose first use would load every image format plugin.
//
//   render_icon <icon.svg> <output folder> <size>...
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: render_icon <icon.svg> <output folder> <size>...\n");
        return 2;
    }
    const QIcon icon(QString::fromLocal8Bit(argv[1]));
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(folder);
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        const QImage image = icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage bytes = image.convertToFormat(QImage::Format_RGBA8888);
        QFile file(folder + QStringLiteral("/rungekutta-%1.rgba").arg(size));
        if (image.size() != QSize(size, size) || !file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(bytes.constBits()), bytes.sizeInBytes()) != bytes.sizeInBytes()) {
            std::fprintf(stderr, "render_icon: cannot render %s at %d (is the SVG icon engine installed?)\n",
                         argv[1], size);
            return 1;
        }
    }
    return 0;
}
