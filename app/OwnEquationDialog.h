#pragma once
// The editor of an equation of the user's own: "y' =" and a line to type
// f(x, y) into. Below it, a line or more says how the program reads the
// text, or what is wrong and where; the place is marked in the text. OK
// stays disabled while the text cannot be read.

#include "core/OwnEquation.h"

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace rk {

class OwnEquationDialog : public QDialog {
    Q_OBJECT
public:
    // Opens with `current`, the own equation's text so far, or empty.
    OwnEquationDialog(const QString& current, QWidget* parent);

    // What was typed, once it reads.
    std::shared_ptr<const TypedEquation> equation() const { return equation_; }

    // A refusal in the user's language; positions count from 1.
    static QString messageFor(const ReadError& error, const QString& text);

private:
    void read();
    void mark(int start, int length);
    void fitReading();

    QLineEdit* field_;
    QLabel* reading_;
    QScrollArea* shown_; // holds reading_
    QPushButton* ok_;
    std::shared_ptr<const TypedEquation> equation_;
};

} // namespace rk
