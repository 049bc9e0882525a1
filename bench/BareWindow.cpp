// The yardstick for start-up: an empty top-level window of the program's
// client size, and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(708, 573);
    window.show();
    return app.exec();
}
