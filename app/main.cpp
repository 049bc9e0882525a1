#include "app/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    rk::Form1 form;
    form.Form_Load();
    form.show();
    return app.exec();
}
