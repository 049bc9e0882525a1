#pragma once
// The one window: its controls, the four values a run reads, and the
// handlers of the events the program answers.

#include "solver/EnterChain.h"
#include "solver/Solve.h"
#include "ui/ListBox.h"
#include "ui/PictureBox.h"

#include <QWidget>

#include <map>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace rk {

struct ControlDesign;

class Form1 : public QWidget {
    Q_OBJECT
public:
    Form1();

    // The plot's drawing surface in pixels at a pixel ratio of 1, known
    // before the window is made.
    static QSize plotSurfaceSize();

    // Draws the start-up frame and fills the equation list; run once,
    // before the window is first shown.
    void Form_Load();

    // The right-hand side of the selected equation.
    Value f(const Value& x, const Value& y) const;
    const FormValues& values() const { return values_; }

    PictureBox* Picture1 = nullptr;
    ListBox* List1 = nullptr;
    ListBox* List2 = nullptr;
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
    void Command1_Click(); // Ready
    void Command2_Click(); // End
    void Command3_Click(); // Help

private:
    QWidget* createControl(const ControlDesign& design);
    void Solve();
    // A refused or stopped run in the user's language.
    static QString messageFor(const RunReport& report);

    FormValues values_;
    ResultsTable* results_ = nullptr; // List1's lines, owned by List1
    std::map<std::string_view, QWidget*> controls_;
};

} // namespace rk
