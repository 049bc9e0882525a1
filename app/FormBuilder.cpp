#include "app/FormBuilder.h"

#include "app/FormDesign.h"
#include "widgets/ChoiceList.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"
#include "widgets/QtText.h"
#include "widgets/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>
#include <map>
#include <vector>

namespace rk {
namespace {

// The design's Japanese faces, with faces that can stand in for them.
QFont fontOf(const FontDesign& design)
{
    const bool serif = design.face == "P Mincho";
    QFont font;
    font.setFamilies(serif ? QStringList{"IPAPMincho", "IPAexMincho", "Noto Serif CJK JP"}
                           : QStringList{"IPAPGothic", "IPAexGothic", "Noto Sans CJK JP"});
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    // Sizes in pixels at 96 dots per inch, so the layout is the same on any screen.
    font.setPixelSize(static_cast<int>(design.points * 96.0 / 72.0 + 0.5));
    font.setBold(design.bold);
    font.setItalic(design.italic);
    return font;
}

void setColours(QWidget& widget, const ControlDesign& design)
{
    QPalette palette = widget.palette();
    if (design.backColor) {
        palette.setColor(QPalette::Window, QColor(*design.backColor));
        widget.setAutoFillBackground(true);
    }
    if (design.foreColor)
        palette.setColor(QPalette::WindowText, QColor(*design.foreColor));
    widget.setPalette(palette);
}

QWidget* createControl(const ControlDesign& design, QWidget& parent)
{
    QSize size(pixels(design.width), pixels(design.height));
    QWidget* widget = nullptr;
    switch (design.kind) {
    case ControlKind::CommandButton:
        widget = new QPushButton(toQString(design.caption), &parent);
        break;
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(toQString(design.caption), &parent);
        // The toolkit would cut a pasted text at 32,767 characters.
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setCursorPosition(0);
        widget = box;
        break;
    }
    case ControlKind::MultiLineTextBox: {
        auto* box = new QPlainTextEdit(toQString(design.caption), &parent);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setTabChangesFocus(true);
        // With the toolkit's 4-pixel margin the help text wraps onto six
        // lines, one more than the box has room for, and without scroll bars
        // the last step could never be read. One pixel all round leaves the
        // width that sets each step on a line of its own: five lines at the
        // face's own 18-pixel spacing, inside the box.
        box->document()->setDocumentMargin(1);
        widget = box;
        break;
    }
    case ControlKind::ListBox: {
        // List1 shows the results table's numbers as lines; List2 holds texts.
        widget = design.name == "List1" ? new QListView(&parent) : new ChoiceList(&parent);
        break;
    }
    case ControlKind::PictureBox: {
        auto* picture = new PictureBox(size, &parent);
        if (design.backColor)
            picture->setBackColor(QColor(*design.backColor));
        if (design.foreColor)
            picture->setForeColor(QColor(*design.foreColor));
        widget = picture;
        break;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(toQString(design.caption), &parent);
        label->setAlignment((design.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        if (design.border) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setLineWidth(1);
        }
        setColours(*label, design);
        widget = label;
        if (design.autoSize) {
            // The heading is drawn in a face wider than the design's; let it
            // grow rather than cut its last letters.
            const int wanted = QFontMetrics(fontOf(design.font)).horizontalAdvance(label->text()) + 4;
            size.setWidth(std::max(size.width(), wanted));
        }
        break;
    }
    }

    widget->setObjectName(toQString(design.name));
    widget->setFont(fontOf(design.font));
    if (auto* list = qobject_cast<QListView*>(widget))
        setUpListBox(*list);
    // Inside the picture box, places are measured from inside its border.
    const int inset = design.container.empty() ? 0 : PictureBox::kBorderWidth;
    widget->setGeometry(pixels(design.left) + inset, pixels(design.top) + inset, size.width(), size.height());
    widget->setAccessibleName(design.caption.empty() || design.kind == ControlKind::TextBox ||
                                      design.kind == ControlKind::MultiLineTextBox
                                  ? toQString(design.name)
                                  : toQString(design.caption).trimmed());
    widget->setAccessibleDescription(toQString(design.description));
    if (design.kind == ControlKind::Label)
        widget->setFocusPolicy(Qt::NoFocus);
    else
        widget->setFocusPolicy(Qt::StrongFocus);
    widget->setVisible(design.visible);
    return widget;
}

} // namespace

void buildForm1(QWidget& window)
{
    window.setObjectName("Form1");
    window.setWindowTitle(toQString(kForm1Design.caption));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(kForm1Design.backColor));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    // The layout is fixed: nothing moves when the window would be resized.
    window.setFixedSize(pixels(kForm1Design.clientWidth), pixels(kForm1Design.clientHeight));

    std::map<std::string_view, QWidget*> made;
    for (const ControlDesign& design : kControlDesigns)
        made[design.name] = createControl(design, design.container.empty() ? window : *made.at(design.container));

    // Tab order by TabIndex; labels and hidden controls take no focus.
    std::vector<const ControlDesign*> byTab;
    for (const ControlDesign& design : kControlDesigns)
        byTab.push_back(&design);
    std::sort(byTab.begin(), byTab.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    QWidget* previous = nullptr;
    for (const ControlDesign* design : byTab) {
        QWidget* widget = made.at(design->name);
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        else
            // The lowest tab index has the focus when the window first shows.
            widget->setFocus(Qt::OtherFocusReason);
        previous = widget;
    }
}

} // namespace rk
