#include "app/Form1.h"

#include "app/ComparisonWindow.h"
#include "app/FormDesign.h"
#include "app/Guide.h"
#include "app/HelpText.h"
#include "app/OwnEquationDialog.h"
#include "app/FileSaver.h"
#include "app/MethodMenu.h"
#include "app/PlotMenu.h"
#include "app/ResultsHeading.h"
#include "app/TableMenu.h"
#include "app/TableWindow.h"
#include "core/Catalogue.h"
#include "core/FrameWindow.h"
#include "widgets/Frame.h"
#include "core/SlopeField.h"
#include "core/ValFromText.h"
#include "widgets/ResultsModel.h"
#include "widgets/ChoiceList.h"
#include "widgets/ContextMenuKeys.h"
#include "widgets/HintBubble.h"
#include "widgets/ListBox.h"
#include "widgets/MethodNames.h"
#include "widgets/NumberHint.h"
#include "widgets/MessageNumbers.h"
#include "widgets/QtText.h"
#include "widgets/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <limits>
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

// The span a run of kMaxPasses steps of h covers, grouped when whole.
QString longestSpan(double h)
{
    const double span = static_cast<double>(kMaxPasses) * h;
    return span == std::round(span) && span < 1e15 ? grouped(std::llround(span)) : shortest(span);
}

} // namespace

QString Form1::messageFor(const RunReport& report) const
{
    if (report.refusal == Refusal::EndBeforeStart)
        return tr("A run goes from x1 to the right, but x2 = %1 lies to the left of x1 = %2, so nothing was "
                  "computed. Type an x2 greater than x1.")
            .arg(shortest(values_.x2), shortest(values_.x1));
    if (report.stop == Stop::NoSlope)
        return tr("The slope has no value at x = %1, so the run stopped there.").arg(shortest(report.stoppedAt));
    if (report.outcome == RunOutcome::Stopped)
        return tr("The solution grew beyond the range of numbers at x = %1, so the run stopped there: it may blow "
                  "up near this x.")
            .arg(shortest(report.stoppedAt));
    if (report.refusal == Refusal::StepNotValid)
        return tr("The step h = %1 lies outside %2 to %3, so the run was not started.")
            .arg(shortest(values_.h), shortest(kMinStep), shortest(kMaxStep));
    if (report.refusal == Refusal::StartNotFinite)
        return tr("The initial ordinate y1 is beyond the range of numbers, so the run was not started.");
    if (report.refusal == Refusal::TooManyPasses)
        return tr("A run is limited to %1 steps of %2, so x2 - x1 must stay below %3. The run was not started.")
            .arg(grouped(kMaxPasses), shortest(values_.h), longestSpan(values_.h));
    return tr("The final abscissa x2 or the start abscissa x1 is beyond the range of numbers, so the run "
              "was not started.");
}

Form1::Form1()
{
    setObjectName("Form1");
    setWindowTitle(toQString(kForm1Design.caption));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(kForm1Design.backColor));
    setPalette(palette);
    setAutoFillBackground(true);
    // The layout is fixed: nothing moves when the window would be resized.
    setFixedSize(pixels(kForm1Design.clientWidth), pixels(kForm1Design.clientHeight));

    for (const ControlDesign& design : kControlDesigns)
        controls_[design.name] = createControl(design);

    const auto get = [this](std::string_view name) { return controls_.at(name); };
    Picture1 = static_cast<PictureBox*>(get("Picture1"));
    List1 = static_cast<QListView*>(get("List1"));
    List2 = static_cast<QListWidget*>(get("List2"));
    Text1 = static_cast<QLineEdit*>(get("Text1"));
    Text2 = static_cast<QLineEdit*>(get("Text2"));
    Text3 = static_cast<QLineEdit*>(get("Text3"));
    Text4 = static_cast<QPlainTextEdit*>(get("Text4"));
    Label1 = static_cast<QLabel*>(get("Label1"));
    Label2 = static_cast<QLabel*>(get("Label2"));
    Label3 = static_cast<QLabel*>(get("Label3"));
    Label4 = static_cast<QLabel*>(get("Label4"));
    Label5 = static_cast<QLabel*>(get("Label5"));
    Label6 = static_cast<QLabel*>(get("Label6"));
    designHeading_ = Label6->text();
    designHeadingWidth_ = Label6->width();
    Command1 = static_cast<QPushButton*>(get("Command1"));
    Command2 = static_cast<QPushButton*>(get("Command2"));
    Command3 = static_cast<QPushButton*>(get("Command3"));

    results_ = new ResultsModel(List1);
    List1->setModel(results_);
    explainRowsOnShiftF1(*List1);

    // Tab order by TabIndex; labels and hidden controls take no focus.
    std::vector<const ControlDesign*> byTab;
    for (const ControlDesign& design : kControlDesigns)
        byTab.push_back(&design);
    std::sort(byTab.begin(), byTab.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    QWidget* previous = nullptr;
    for (const ControlDesign* design : byTab) {
        QWidget* widget = get(design->name);
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
    // The lowest tab index has the focus when the window first shows.
    Command1->setFocus(Qt::OtherFocusReason);

    // A click, or the keyboard, picks an item or leaves none selected.
    connect(List2, &QListWidget::itemSelectionChanged, this, &Form1::List2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    // Return and the keypad's Enter alike; the boxes have no validator, so
    // every text is taken.
    connect(Text1, &QLineEdit::returnPressed, this, &Form1::Text1_Enter);
    connect(Text3, &QLineEdit::returnPressed, this, &Form1::Text3_Enter);
    connect(Text2, &QLineEdit::returnPressed, this, &Form1::Text2_Enter);
    hint_ = new HintBubble(this);
    auto* saver = new FileSaver(this);
    new TableMenu(*List1, *results_, *saver);
    auto* plotMenu = new PlotMenu(*Picture1, *saver);
    showSlopeField_ = plotMenu->slopeFieldAction();
    connect(showSlopeField_, &QAction::toggled, this, &Form1::updateSlopeField);
    showExact_ = plotMenu->exactSolutionAction();
    connect(showExact_, &QAction::toggled, this, &Form1::updateExactCurves);
    // A reference made on its worker adds its run's curve.
    connect(results_, &ResultsModel::referenceMade, this, [this] {
        if (showExact_->isChecked())
            updateExactCurves();
    });

    // The menus are found by the right button; the lists and the plot say so.
    List2->setToolTip(tr("Right-click for your own equation"));
    List1->setToolTip(tr("Right-click to copy or save the table"));
    Picture1->setToolTip(tr("Right-click to copy or save the plot, or to show the slope field"));

    equationMenu_ = new QMenu(List2);
    equationMenu_->setObjectName("EquationMenu");
    auto* own = equationMenu_->addAction(QString());
    connect(own, &QAction::triggered, this, &Form1::editOwnEquation);
    auto* compare = equationMenu_->addAction(QString());
    compare->setObjectName("CompareStepsAndMethods");
    // One window at a time, brought back to the front and set to what the
    // main window holds now.
    connect(compare, &QAction::triggered, this, [this] {
        const QListWidgetItem* selected = List2->item(values_.eqNo - 1);
        const auto setup = ComparisonWindow::setupFrom(values_, selected ? selected->text() : QString());
        auto* window = findChild<ComparisonWindow*>();
        if (window)
            window->setSetup(setup);
        else
            window = new ComparisonWindow(setup, this);
        window->show();
        window->raise();
        window->activateWindow();
    });
    methodMenu_ = new MethodMenu(*equationMenu_, *this);
    connect(methodMenu_, &MethodMenu::changed, this, &Form1::useMethodAndStep);
    List2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(List2, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { openEquationMenu(List2->viewport()->mapToGlobal(at)); });
    openMenuOnKeys(*List2, [this] {
        const QRect current = List2->visualRect(List2->currentIndex());
        const QPoint at = List2->viewport()->rect().intersects(current) ? current.center() : QPoint(0, 0);
        openEquationMenu(List2->viewport()->mapToGlobal(at));
    });

    // Reached from the menus and the keys; the design's controls stay as they are.
    headResultColumns(*Label3, *List1, *results_);
    TableWindow::openOnDoubleClick(*Label3, *results_);
    attachGuide(*this);
}

QWidget* Form1::createControl(const ControlDesign& design)
{
    QWidget* parent = design.container.empty() ? static_cast<QWidget*>(this) : controls_.at(design.container);
    QSize size(pixels(design.width), pixels(design.height));
    QWidget* widget = nullptr;
    switch (design.kind) {
    case ControlKind::CommandButton:
        widget = new QPushButton(toQString(design.caption), parent);
        break;
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(toQString(design.caption), parent);
        // The toolkit would cut a pasted text at 32,767 characters.
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setCursorPosition(0);
        widget = box;
        break;
    }
    case ControlKind::MultiLineTextBox: {
        auto* box = new QPlainTextEdit(toQString(design.caption), parent);
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
        widget = design.name == "List1" ? new QListView(parent) : new ChoiceList(parent);
        break;
    }
    case ControlKind::PictureBox: {
        auto* picture = new PictureBox(size, parent);
        if (design.backColor)
            picture->setBackColor(QColor(*design.backColor));
        if (design.foreColor)
            picture->setForeColor(QColor(*design.foreColor));
        widget = picture;
        break;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(toQString(design.caption), parent);
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

void Form1::Form_Load()
{
    DrawFrame(*Picture1, FrameVariant::StartUp);
    for (const std::string_view text : kEquationTexts)
        List2->addItem(toQString(text));
}

void Form1::List2_Click()
{
    values_.eqNo = ListIndex(*List2) + 1;
    updateSlopeField();
}

namespace {
// The number a box holds, read as the design reads it.
double numberIn(const QLineEdit& box) { return valFromText(box.text().toStdU16String()); }

// The next box of the chain, its text selected as a Tab would select it,
// so that typing replaces it rather than adding to it.
void moveTo(QLineEdit& box)
{
    box.setFocus(Qt::OtherFocusReason);
    box.selectAll();
}
} // namespace

void Form1::Text1_Enter()
{
    values_.x1 = numberIn(*Text1);
    hint_->showAt(*Text1, numberHint(Text1->text()));
    moveTo(*Text3);
}

void Form1::Text3_Enter()
{
    values_.y1 = numberIn(*Text3);
    hint_->showAt(*Text3, numberHint(Text3->text()));
    moveTo(*Text2);
}

void Form1::Text2_Enter()
{
    values_.x2 = numberIn(*Text2);
    hint_->showAt(*Text2, numberHint(Text2->text()));
    Solve();
}

void Form1::Command1_Click()
{
    Picture1->Cls();
    DrawFrame(*Picture1, FrameVariant::Redraw);
    results_->clear();
    updateExactCurves();
    Text1->setText(QString());
    Text1->setFocus(Qt::OtherFocusReason);
    Text2->setText(QString());
    Text3->setText(QString());
    Label4->setVisible(true);
    Label5->setVisible(true);
}

void Form1::Command2_Click() { QApplication::exit(0); }

void Form1::Command3_Click()
{
    Text4->setVisible(true);
    Text4->setPlainText(toQString(kHelpText));
}

void Form1::openEquationMenu(QPoint global)
{
    // Worded when shown, in the language installed at that moment.
    equationMenu_->actions().first()->setText(tr("Own equation…"));
    equationMenu_->findChild<QAction*>("CompareStepsAndMethods")->setText(tr("Compare steps and methods…"));
    methodMenu_->retranslate();
    equationMenu_->popup(global);
}

void Form1::editOwnEquation()
{
    auto* dialog = new OwnEquationDialog(values_.own ? toQString(values_.own->text) : QString(), this);
    // Window-modal, as the messages: the window waits for the answer.
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { useOwnEquation(dialog->equation()); });
    dialog->open();
}

void Form1::useOwnEquation(std::shared_ptr<const TypedEquation> equation)
{
    if (!equation)
        return;
    values_.own = std::move(equation);
    const QString text = toQString(values_.own->listText());
    const int row = kOwnEquation - 1;
    if (List2->count() <= row)
        List2->addItem(text);
    else
        List2->item(row)->setText(text);
    // Selected as a click would select it: List2_Click makes eqNo 7.
    List2->setCurrentRow(row);
    updateSlopeField(); // also when the row was selected already
}

void Form1::useMethodAndStep()
{
    values_.h = methodMenu_->step();
    values_.method = methodMenu_->method();
    values_.ownMethod = methodMenu_->ownMethod();
    // The heading above the plot names the method the next run uses; the
    // design's own wording stays while nothing else was chosen.
    const QString design = toQString(kForm1Design.caption);
    const QString heading = methodMenu_->isDefault()
                                ? designHeading_
                                : methodHeading(methodInfo(values_.method, values_.ownMethod.get()), values_.h);
    Label6->setText(heading);
    Label6->setAccessibleName(heading);
    Label6->resize(std::max(designHeadingWidth_, Label6->sizeHint().width()), Label6->height());
    setWindowTitle(methodMenu_->isDefault() ? design : design + QStringLiteral(" — ") + heading);
}

void Form1::updateSlopeField()
{
    if (!showSlopeField_->isChecked()) {
        Picture1->setUnderlay({}, kSlopeFieldColour);
        return;
    }
    const int number = values_.eqNo;
    const double unitsPerPixel = double(kFrameRight - kFrameLeft) / Picture1->contentsRect().width();
    Picture1->setUnderlay(withRightHandSide(number, number == kOwnEquation ? values_.own.get() : nullptr,
                                            [&](const auto& f) { return slopeField(f, unitsPerPixel); }),
                          kSlopeFieldColour);
}

void Form1::updateExactCurves()
{
    std::vector<Segment> lines;
    const ResultsTable& table = results_->table();
    for (std::size_t r = 0; showExact_->isChecked() && r < table.runCount(); ++r) {
        const RunSpan run = table.run(r);
        std::optional<double> previous;
        double previousX = 0;
        for (std::size_t i = 0; i < run.lines; ++i) {
            const std::size_t line = run.firstLine + i;
            const double x = table.row(line).x;
            // Rows right of the frame draw nothing: a long run costs its
            // first few hundred rows only.
            if (i > 0 && previousX > kFrameRight)
                break;
            const auto truth = results_->truthAt(line);
            const std::optional<double> value = truth ? truth->value : std::nullopt;
            if (previous && value)
                lines.push_back({previousX, *previous, x, *value});
            previous = value;
            previousX = x;
        }
    }
    Picture1->setCurveLayer(lines, kExactCurveColour);
}

void Form1::Solve()
{
    const RunReport report = rk::Solve(values_, *Picture1, results_->table());
    results_->publishAppended();
    if (showExact_->isChecked())
        updateExactCurves();
    if (report.outcome == RunOutcome::Completed)
        return;
    // Window-modal: the window takes no input until the message is answered,
    // while the rest of the application's event loop runs on.
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), messageFor(report), QMessageBox::Ok, this);
    box->setObjectName("RunMessage");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace rk
