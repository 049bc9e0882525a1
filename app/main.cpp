#include "ui/ListBox.h"
#include "ui/PictureBox.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    rk::PictureBox picture(QSize(505, 505));
    picture.show();
    return app.exec();
}
