#include "app/StepDialog.h"

#include "core/Solve.h"
#include "core/ValFromText.h"
#include "widgets/MessageNumbers.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rk {

StepDialog::StepDialog(double current, QWidget* parent) : QDialog(parent), step_(current)
{
    setObjectName("StepDialog");
    setWindowTitle(tr("Step h"));
    field_ = new QLineEdit(shortest(current), this);
    field_->setObjectName("StepField");
    field_->selectAll();
    problem_ = new QLabel(this);
    problem_->setObjectName("StepProblem");
    problem_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    //: The step of a run; "&" marks the key that moves to the box.
    auto* label = new QLabel(tr("&h ="), this);
    label->setBuddy(field_);
    layout->addRow(label, field_);
    layout->addRow(problem_);
    layout->addRow(buttons);
    field_->setAccessibleName(tr("Step h"));
    connect(field_, &QLineEdit::textChanged, this, &StepDialog::read);
    read();
}

QString StepDialog::problemWith(const QString& text, double* step)
{
    const std::u16string typed = text.trimmed().toStdU16String();
    const LeadingNumber number = readLeadingNumber(typed);
    if (typed.empty() || number.end != typed.size())
        return tr("Type a number, such as 0.1 or 2.5e-3.");
    if (!isValidStep(number.value))
        return tr("h must lie from %1 to %2.").arg(shortest(kMinStep), shortest(kMaxStep));
    if (step)
        *step = number.value;
    return {};
}

void StepDialog::read()
{
    const QString problem = problemWith(field_->text(), &step_);
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
    field_->setAccessibleDescription(problem);
    ok_->setEnabled(problem.isEmpty());
}

} // namespace rk
