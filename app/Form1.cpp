#include "app/Form1.h"

#include "app/ComparisonWindow.h"
#include "app/EquationMenu.h"
#include "app/FileSaver.h"
#include "app/FormBuilder.h"
#include "app/FormDesign.h"
#include "app/Guide.h"
#include "app/HelpText.h"
#include "app/MethodMenu.h"
#include "app/OwnEquationDialog.h"
#include "app/PlotMenu.h"
#include "app/ResultsHeading.h"
#include "app/TableMenu.h"
#include "app/TableWindow.h"
#include "core/Catalogue.h"
#include "core/ExactCurves.h"
#include "core/FrameWindow.h"
#include "core/SlopeField.h"
#include "core/ValFromText.h"
#include "widgets/Frame.h"
#include "widgets/HintBubble.h"
#include "widgets/ListBox.h"
#include "widgets/MethodNames.h"
#include "widgets/NumberHint.h"
#include "widgets/QtText.h"
#include "widgets/ResultsModel.h"
#include "widgets/RunMessage.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace rk {

Form1::Form1()
{
    buildForm1(*this);
    const auto control = [this]<typename T>(T*& pointer, const char* name) {
        pointer = findChild<T*>(QLatin1String(name));
        Q_ASSERT(pointer);
    };
    control(Picture1, "Picture1");
    control(List1, "List1");
    control(List2, "List2");
    control(Text1, "Text1");
    control(Text2, "Text2");
    control(Text3, "Text3");
    control(Text4, "Text4");
    control(Label1, "Label1");
    control(Label2, "Label2");
    control(Label3, "Label3");
    control(Label4, "Label4");
    control(Label5, "Label5");
    control(Label6, "Label6");
    control(Command1, "Command1");
    control(Command2, "Command2");
    control(Command3, "Command3");
    designHeading_ = Label6->text();
    designHeadingWidth_ = Label6->width();

    results_ = new ResultsModel(List1);
    List1->setModel(results_);
    explainRowsOnShiftF1(*List1);

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
    equationMenu_ = new EquationMenu(*List2, *this);
    connect(equationMenu_, &EquationMenu::ownEquationAsked, this, &Form1::editOwnEquation);
    connect(equationMenu_, &EquationMenu::comparisonAsked, this, &Form1::compareStepsAndMethods);
    connect(&equationMenu_->methods(), &MethodMenu::changed, this, &Form1::useMethodAndStep);

    // Reached from the menus and the keys; the design's controls stay as they are.
    headResultColumns(*Label3, *List1, *results_);
    TableWindow::openOnDoubleClick(*Label3, *results_);
    attachGuide(*this);
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

void Form1::editOwnEquation()
{
    auto* dialog = new OwnEquationDialog(values_.own ? toQString(values_.own->text) : QString(), this);
    // Window-modal, as the messages: the window waits for the answer.
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { useOwnEquation(dialog->equation()); });
    dialog->open();
}

void Form1::compareStepsAndMethods()
{
    const QListWidgetItem* selected = List2->item(values_.eqNo - 1);
    ComparisonWindow::showOver(*this, ComparisonWindow::setupFrom(values_, selected ? selected->text() : QString()));
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
    const MethodMenu& chosen = equationMenu_->methods();
    values_.h = chosen.step();
    values_.method = chosen.method();
    values_.ownMethod = chosen.ownMethod();
    // The heading above the plot names the method the next run uses; the
    // design's own wording stays while nothing else was chosen.
    const QString design = toQString(kForm1Design.caption);
    const QString heading = chosen.isDefault() ? designHeading_ : methodHeading(methodInfo(values_.method, values_.ownMethod.get()), values_.h);
    Label6->setText(heading);
    Label6->setAccessibleName(heading);
    Label6->resize(std::max(designHeadingWidth_, Label6->sizeHint().width()), Label6->height());
    setWindowTitle(chosen.isDefault() ? design : design + QStringLiteral(" — ") + heading);
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
    if (showExact_->isChecked())
        lines = exactCurves(results_->table(), [this](std::size_t line) -> std::optional<double> {
            const auto truth = results_->truthAt(line);
            return truth ? truth->value : std::nullopt;
        });
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
    auto* box =
        new QMessageBox(QMessageBox::Warning, windowTitle(), RunMessage::of(report, values_), QMessageBox::Ok, this);
    box->setObjectName("RunMessage");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace rk
