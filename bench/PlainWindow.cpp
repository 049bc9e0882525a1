// The yardstick for start-up: the program's window written the plain way,
// as a person would write it with the toolkit's stock widgets and nothing
// done ahead. The same sixteen controls at their places with their texts,
// fonts and colours; the frame drawn into a picture; the six equations
// listed; the icon read from its SVG. No second thread, no surface made
// ahead, no pictures built in.
#include "app/FormDesign.h"
#include "core/Catalogue.h"
#include "widgets/Colours.h"
#include "widgets/Twips.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPixmap>
#include <QPushButton>

#include <map>

using namespace rk;

namespace {


QFont fontOf(const FontDesign& design)
{
    QFont font(design.face == "P Mincho" ? "IPAPMincho" : "IPAPGothic");
    font.setPixelSize(static_cast<int>(design.points * 96.0 / 72.0 + 0.5));
    font.setBold(design.bold);
    font.setItalic(design.italic);
    return font;
}

// The start-up frame: title, axes and ticks in user units (-2, 10)-(18, -10).
QPixmap frame(QSize size, const QFont& font)
{
    QPixmap picture(size);
    picture.fill(QColor(kLightCyan));
    QPainter painter(&picture);
    painter.setPen(QColor(kDarkGrey));
    painter.setFont(font);
    painter.drawText(QPoint(0, painter.fontMetrics().ascent()), " Integral by Simpson's Formula");
    const auto at = [&](double x, double y) {
        return QPointF((x + 2) / 20 * size.width(), (10 - y) / 20 * size.height());
    };
    painter.setPen(QColor(kStartUpAxisColour));
    painter.drawLine(at(-2, 0), at(18, 0));
    painter.setPen(QColor(kDarkGrey));
    painter.drawLine(at(0, 10), at(0, -10));
    for (int i = -1; i <= 17; ++i) {
        painter.drawLine(at(i, -0.1), at(i, 0.1));
        painter.drawLine(at(-0.1, i), at(0.1, i));
    }
    return picture;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("RungeKutta");
    window.setFixedSize(pixels(kForm1Design.clientWidth), pixels(kForm1Design.clientHeight));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(kForm1Design.backColor));
    window.setPalette(palette);

    std::map<std::string_view, QWidget*> made;
    for (const ControlDesign& d : kControlDesigns) {
        QWidget* parent = d.container.empty() ? &window : made.at(d.container);
        const QString caption = QString::fromUtf8(d.caption.data(), static_cast<qsizetype>(d.caption.size()));
        const QRect place(pixels(d.left), pixels(d.top), pixels(d.width), pixels(d.height));
        QWidget* w = nullptr;
        switch (d.kind) {
        case ControlKind::CommandButton: w = new QPushButton(caption, parent); break;
        case ControlKind::TextBox: w = new QLineEdit(caption, parent); break;
        case ControlKind::MultiLineTextBox: w = new QPlainTextEdit(caption, parent); break;
        case ControlKind::ListBox: w = new QListWidget(parent); break;
        case ControlKind::PictureBox: {
            auto* plot = new QLabel(parent);
            plot->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            plot->setLineWidth(2);
            plot->setPixmap(frame(place.size() - QSize(4, 4), fontOf(d.font)));
            w = plot;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(caption, parent);
            if (d.border)
                label->setFrameStyle(QFrame::Box | QFrame::Plain);
            if (d.backColor || d.foreColor) {
                QPalette colours = label->palette();
                if (d.backColor)
                    colours.setColor(QPalette::Window, QColor(*d.backColor));
                if (d.foreColor)
                    colours.setColor(QPalette::WindowText, QColor(*d.foreColor));
                label->setPalette(colours);
                label->setAutoFillBackground(true);
            }
            w = label;
            break;
        }
        }
        w->setObjectName(QString::fromLatin1(d.name.data(), static_cast<qsizetype>(d.name.size())));
        w->setFont(fontOf(d.font));
        w->setGeometry(place);
        w->setVisible(d.visible);
        made[d.name] = w;
    }
    auto* equations = static_cast<QListWidget*>(made.at("List2"));
    for (const std::string_view text : kEquationTexts)
        equations->addItem(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));

    window.setWindowIcon(QIcon(":/rungekutta.svg"));
    window.show();
    return app.exec();
}
