#include "app/OwnMethodDialog.h"

#include "widgets/QtText.h"

#include <QColor>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextCursor>
#include <QVBoxLayout>

#include <numeric>

namespace rk {

OwnMethodDialog::OwnMethodDialog(const OwnMethod* current, QWidget* parent)
    : QDialog(parent),
      name_(new QLineEdit(current ? toQString(current->name) : QString(), this)),
      tableau_(new QPlainTextEdit(this)),
      reading_(new QLabel(this))
{
    setObjectName("OwnMethodDialog");
    setWindowTitle(tr("Own method"));
    name_->setObjectName("OwnMethodName");
    name_->setAccessibleName(tr("Name of the method"));
    name_->setPlaceholderText(tr("for example: 3/8 rule"));
    name_->setMaxLength(kMaxNameLength);
    tableau_->setObjectName("OwnMethodTableau");
    tableau_->setAccessibleName(tr("Butcher tableau"));
    tableau_->setToolTip(tr("One line per stage: c, a bar |, then the stage's row of A. Last line: a bar |, then "
                            "the weights b. Numbers or fractions such as 0.5, 1/3 or -1/3, apart by blanks."));
    // Columns line up in a fixed-width face, as a tableau is printed.
    tableau_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    tableau_->setTabChangesFocus(true);
    tableau_->setPlainText(
        toQString(current ? current->text : tableauText(RungeKuttaMethod::info.tableau)));
    const QFontMetrics metrics(tableau_->font());
    tableau_->setMinimumSize(metrics.averageCharWidth() * 44, metrics.lineSpacing() * 10);
    reading_->setObjectName("OwnMethodReading");
    reading_->setAccessibleName(tr("What the tableau promises"));
    reading_->setWordWrap(true);
    reading_->setTextFormat(Qt::PlainText);
    reading_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), name_);
    form->addRow(tr("&Tableau:"), tableau_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(reading_);
    layout->addWidget(buttons);

    connect(name_, &QLineEdit::textChanged, this, &OwnMethodDialog::read);
    connect(tableau_, &QPlainTextEdit::textChanged, this, &OwnMethodDialog::read);
    read();
    (current ? static_cast<QWidget*>(tableau_) : name_)->setFocus(Qt::OtherFocusReason);
}

void OwnMethodDialog::read()
{
    const QString text = tableau_->toPlainText();
    const QString name = name_->text().simplified();
    auto result = readTableau(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                  static_cast<std::size_t>(text.size())));
    method_.reset();
    if (const auto* error = std::get_if<TableauError>(&result)) {
        reading_->setText(messageFor(*error, text));
        mark(error);
    } else {
        const Tableau& tableau = std::get<Tableau>(result);
        QString reading = verdict(tableau);
        if (name.isEmpty())
            reading += '\n' + tr("Give the method a name, such as 3/8 rule.");
        else
            method_ = std::make_shared<const OwnMethod>(name.toStdString(), text.toStdString(), tableau,
                                                        checkOrder(tableau).promisedOrder());
        reading_->setText(reading);
        mark(nullptr);
    }
    // Said to a screen reader too, from the label and from the text, which
    // keeps the focus while the message changes.
    reading_->setAccessibleDescription(reading_->text());
    tableau_->setAccessibleDescription(reading_->text());
    ok_->setEnabled(method_ != nullptr);
}

void OwnMethodDialog::mark(const TableauError* error)
{
    QList<QTextEdit::ExtraSelection> marks;
    if (error && error->length > 0) {
        QTextEdit::ExtraSelection wrong;
        wrong.cursor = QTextCursor(tableau_->document());
        wrong.cursor.setPosition(static_cast<int>(error->position));
        wrong.cursor.setPosition(static_cast<int>(error->position + error->length), QTextCursor::KeepAnchor);
        wrong.format.setBackground(QColor(255, 200, 200));
        wrong.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        wrong.format.setUnderlineColor(Qt::red);
        marks << wrong;
    }
    tableau_->setExtraSelections(marks);
}

QString OwnMethodDialog::verdict(const Tableau& tableau)
{
    const OrderCheck check = checkOrder(tableau);
    QStringList parts;
    const int p = check.order;
    if (p == 0)
        //: %1 is the sum of the weights b, e.g. 0.9.
        parts << tr("order 0: the weights sum to %1, not 1").arg(QString::number(check.weightSum, 'g', 12));
    else if (p == 1)
        parts << tr("order 1: the weights sum to 1");
    else
        parts << tr("order %1: all %2 conditions hold")
                     .arg(p)
                     .arg(std::accumulate(kOrderConditions.begin(), kOrderConditions.begin() + p + 1, 0));
    if (p > 0 && p < kMaxCheckedOrder) {
        const auto next = static_cast<std::size_t>(p + 1);
        if (kOrderConditions[next] == 1)
            parts << tr("order %1: its condition fails").arg(p + 1);
        else
            parts << tr("order %1: %2 of %3 fail").arg(p + 1).arg(check.failing[next]).arg(kOrderConditions[next]);
    }
    QString text = parts.join(QStringLiteral("; "));
    if (check.rowSumMismatch < 0)
        text += '\n' + tr("Each row of A sums to its c: every stage's y is a step towards its x.");
    else
        //: %1 is the stage, %2 the sum of its row of A, %3 its c.
        text += '\n' + tr("Row %1 of A sums to %2, not to c = %3: that stage takes its slope at a y that belongs to "
                          "another x. The conditions assume each row sums to its c, so on equations that depend on x "
                          "the method is sure of order 1 only.")
                           .arg(check.rowSumMismatch + 1)
                           .arg(toQString(coefficientText(check.rowSum)),
                                toQString(coefficientText(tableau.c[static_cast<std::size_t>(check.rowSumMismatch)])));
    return text;
}

QString OwnMethodDialog::messageFor(const TableauError& error, const QString& text)
{
    const QString piece = text.mid(static_cast<qsizetype>(error.position), static_cast<qsizetype>(error.length));
    //: Where a refusal lies: the line as typed, and c or the entry right of the bar.
    const QString place = error.entry == 0 ? tr("Line %1, c").arg(error.line)
                                           : tr("Line %1, entry %2").arg(error.line).arg(error.entry);
    switch (error.problem) {
    case TableauProblem::Empty:
        return tr("Type the tableau: a line c | a_i1 a_i2 … for each stage, then | b_1 b_2 … for the weights.");
    case TableauProblem::MissingBar:
        return tr("Line %1 has no bar |: write c, a bar, then the stage's row of A.").arg(error.line);
    case TableauProblem::NotANumber:
        return tr("%1: \"%2\" is no number; write numbers or fractions such as 0.5, 1/3 or -1/3.").arg(place, piece);
    case TableauProblem::ZeroDenominator:
        return tr("%1: \"%2\" divides by zero.").arg(place, piece);
    case TableauProblem::AboveDiagonal:
        return tr("%1: \"%2\" lies on or above the diagonal of A, where only 0 may stand: a stage can use only the "
                  "slopes before it.")
            .arg(place, piece);
    case TableauProblem::TooManyStages:
        return tr("Line %1 would be stage %2: a method here has at most %3 stages.")
            .arg(error.line)
            .arg(kMaxStages + 1)
            .arg(kMaxStages);
    case TableauProblem::WeightsNotLast:
        return tr("Line %1 comes after the weights' line | b_1 b_2 …, which must be the last.").arg(error.line);
    case TableauProblem::MissingWeights:
        return tr("The weights are missing: end with a line | b_1 b_2 … with a weight for each stage.");
    case TableauProblem::TooManyWeights:
        return tr("%1: the weight \"%2\" lies past the last stage.").arg(place, piece);
    }
    return {};
}

} // namespace rk
