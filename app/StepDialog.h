#pragma once
// Asks for the step h of the next runs. OK stays disabled until the text is
// a step a run can take, and the line below the box says why not.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace rk {

class StepDialog : public QDialog {
    Q_OBJECT
public:
    StepDialog(double current, QWidget* parent);

    // The step typed, once OK can be pressed.
    double step() const { return step_; }

    // Empty when `text` is a step; otherwise why not, in the user's language.
    static QString problemWith(const QString& text, double* step = nullptr);

private:
    void read();

    QLineEdit* field_;
    QLabel* problem_;
    QPushButton* ok_;
    double step_;
};

} // namespace rk
