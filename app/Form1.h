#pragma once
// The one window: its controls, the four values a run reads, and the
// handlers of the events the program answers.
//
// What each control holds:
//   Picture1  the plot: the frame, then each run's points (solution red, slope blue)
//   List2     the six equations, and a seventh of the user's own once
//             typed (its menu); a click selects eqNo
//   Text1     x1, the start abscissa      Text3  y1, the initial ordinate
//   Text2     x2, the final abscissa; Enter here runs the solution
//   List1     the results, x and y, one line a pass; Label3 is its heading
//   Text4     the help text, shown by Help (Command3)
//   Command1  Ready        Command2  End
//   Label1, Label2  captions of the inputs; Label4, Label5 the legend ("y", "y'")
//   Label6    the heading above the plot
//
// Kept on purpose, though they may look like slips:
// - Tab goes x1 -> x2 -> y1 (Text1, Text2, Text3), while Enter goes
//   x1 -> y1 -> x2 (Text1, Text3, Text2).
// - Ready clears the boxes, the plot and the table, but keeps x1, y1, x2 and
//   the equation: a new x2 after Ready runs from the previous start.
// - A run draws its start points twice: once before the passes, and again
//   as the first pass's points.
// - The start-up frame carries the title " Integral by Simpson's Formula",
//   ticks only down to y = -1, and a magenta x axis; Ready's frame differs.

#include "core/Solve.h"
#include "widgets/PictureBox.h"

#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace rk {

class EquationMenu;
class HintBubble;
class ResultsModel;

class Form1 : public QWidget {
    Q_OBJECT
public:
    Form1();

    // Draws the start-up frame and fills the equation list; run once,
    // before the window is first shown.
    void Form_Load();

private:
    // The design's controls, which tests and screen readers find by their names.
    PictureBox* Picture1 = nullptr;
    QListView* List1 = nullptr;
    QListWidget* List2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QPlainTextEdit* Text4 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

    void List2_Click();
    // Enter in each box; the box itself still takes the key as it would.
    void Text1_Enter();
    void Text3_Enter();
    void Text2_Enter();
    void Command1_Click(); // Ready
    void Command2_Click(); // End
    void Command3_Click(); // Help
    // List2's menu: an equation of the user's own, edited in a dialog,
    // becomes List2's seventh row and is selected.
    void editOwnEquation();
    // The comparison of steps and methods, of what the window holds now.
    void compareStepsAndMethods();
    // The step and method chosen in List2's menu, for the next runs.
    void useMethodAndStep();
    void useOwnEquation(std::shared_ptr<const TypedEquation> equation);
    // Draws the slope field of the equation selected now beneath the plot,
    // or removes it, as the plot's menu says.
    void updateSlopeField();
    // Draws each run's exact or reference solution beneath its points, or
    // removes them, as the plot's menu says.
    void updateExactCurves();
    void Solve();

    FormValues values_;
    ResultsModel* results_ = nullptr; // what List1 shows
    EquationMenu* equationMenu_ = nullptr;
    QString designHeading_; // Label6 as the design has it
    int designHeadingWidth_ = 0;
    QAction* showSlopeField_ = nullptr;
    QAction* showExact_ = nullptr;
    HintBubble* hint_ = nullptr; // what a number box was read as, when that may surprise
};

} // namespace rk
