#pragma once
// The editor of a method of the learner's own: a name and its tableau in
// rows of text (core/TableauText.h). As it is typed, a line says which
// order conditions hold and whether each row of A sums to its c, or what is
// wrong and where; the place is marked in the text. OK stays disabled while
// the tableau cannot be read or the method has no name.

#include "core/Methods.h"
#include "core/TableauText.h"

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace rk {

class OwnMethodDialog : public QDialog {
    Q_OBJECT
public:
    // Opens with `current`, the own method so far, or with the classical
    // tableau to start from.
    OwnMethodDialog(const OwnMethod* current, QWidget* parent);

    // What was typed, once it reads and has a name.
    std::shared_ptr<const OwnMethod> method() const { return method_; }

    // What the tableau's numbers promise, in the user's language:
    // "order 4: all 8 conditions hold; order 5: 3 of 9 fail", then a line on
    // the row sums.
    static QString verdict(const Tableau& tableau);
    // A refusal in the user's language, naming the line and the entry.
    static QString messageFor(const TableauError& error, const QString& text);

    static constexpr int kMaxNameLength = 40;

private:
    void read();
    void mark(const TableauError* error);

    QLineEdit* name_;
    QPlainTextEdit* tableau_;
    QLabel* reading_;
    QPushButton* ok_;
    std::shared_ptr<const OwnMethod> method_;
};

} // namespace rk
