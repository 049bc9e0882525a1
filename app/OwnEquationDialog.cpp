#include "app/OwnEquationDialog.h"

#include "widgets/QtText.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextCharFormat>
#include <QVBoxLayout>

#include <string_view>
#include <vector>

namespace rk {

OwnEquationDialog::OwnEquationDialog(const QString& current, QWidget* parent)
    : QDialog(parent), field_(new QLineEdit(current, this)), reading_(new QLabel(this))
{
    setObjectName("OwnEquationDialog");
    setWindowTitle(tr("Own equation"));
    field_->setObjectName("OwnEquationText");
    field_->setAccessibleName(tr("Right-hand side f(x, y)"));
    // One more than the reader takes, so an overlong paste is refused with a
    // message rather than cut without one.
    field_->setMaxLength(static_cast<int>(kMaxOwnEquationLength) + 1);
    field_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    reading_->setObjectName("OwnEquationReading");
    reading_->setAccessibleName(tr("How the program reads the equation"));
    reading_->setWordWrap(true);
    reading_->setTextFormat(Qt::PlainText);
    reading_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("y' ="), field_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(reading_);
    layout->addWidget(buttons);

    connect(field_, &QLineEdit::textChanged, this, &OwnEquationDialog::read);
    read();
    field_->setFocus(Qt::OtherFocusReason);
}

void OwnEquationDialog::read()
{
    const QString text = field_->text();
    auto result = OwnEquation::read(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                        static_cast<std::size_t>(text.size())));
    if (const auto* error = std::get_if<ReadError>(&result)) {
        equation_.reset();
        reading_->setText(messageFor(*error, text));
        mark(static_cast<int>(error->position), static_cast<int>(error->length));
    } else {
        auto& program = std::get<OwnEquation>(result);
        reading_->setText(tr("Read as: y' = %1").arg(toQString(program.readAs())));
        equation_ = std::make_shared<const TypedEquation>(
            TypedEquation{text.trimmed().toStdString(), std::move(program)});
        mark(0, 0);
    }
    ok_->setEnabled(equation_ != nullptr);
}

void OwnEquationDialog::mark(int start, int length)
{
    // The field's own text formats, as an input method sets them, mark the
    // place without moving the cursor or the selection under the typist.
    QList<QInputMethodEvent::Attribute> formats;
    if (length > 0) {
        QTextCharFormat wrong;
        wrong.setBackground(QColor(255, 200, 200));
        wrong.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        wrong.setUnderlineColor(Qt::red);
        formats << QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, start - field_->cursorPosition(),
                                                length, wrong);
    }
    QInputMethodEvent event(QString(), formats);
    QCoreApplication::sendEvent(field_, &event);
}

QString OwnEquationDialog::messageFor(const ReadError& error, const QString& text)
{
    const int at = static_cast<int>(error.position) + 1;
    const QString piece = text.mid(static_cast<qsizetype>(error.position), static_cast<qsizetype>(error.length));
    switch (error.problem) {
    case ReadProblem::Empty:
        return tr("Type the right-hand side f(x, y), for example x - y.");
    case ReadProblem::TooLong:
        return tr("The equation is too long: it may have at most %1 characters, also as it reads with every "
                  "product and parenthesis written out (character %2).")
            .arg(kMaxOwnEquationLength)
            .arg(at);
    case ReadProblem::TooDeep:
        return tr("Parentheses are nested more than %1 deep, also as it reads with every parenthesis written "
                  "out (character %2).")
            .arg(kMaxParenthesisDepth)
            .arg(at);
    case ReadProblem::UnknownCharacter:
        return tr("Character %1, \"%2\", cannot be part of an equation.").arg(at).arg(piece);
    case ReadProblem::UnknownName: {
        const auto list = [](const std::vector<std::string_view>& names) {
            QStringList texts;
            for (const std::string_view name : names)
                texts << toQString(name);
            return texts.join(tr(", "));
        };
        const KnownNames known = knownNames();
        return tr("\"%2\" at character %1 is not a known name. Known: %3 and the functions %4.")
            .arg(at)
            .arg(piece, list(known.values), list(known.functions));
    }
    case ReadProblem::MalformedNumber:
        return tr("The number at character %1 is malformed: a decimal point needs a digit after it.").arg(at);
    case ReadProblem::NumberOutOfRange:
        return tr("The number at character %1 is beyond the range of numbers.").arg(at);
    case ReadProblem::MissingOperand:
        return tr("A number, x, y or an opening parenthesis is missing at character %1.").arg(at);
    case ReadProblem::MissingClosingParenthesis:
        return tr("A closing parenthesis is missing at character %1.").arg(at);
    case ReadProblem::UnexpectedClosingParenthesis:
        return tr("The parenthesis at character %1 closes none that is open.").arg(at);
    case ReadProblem::FunctionNeedsParenthesis:
        return tr("The function before character %1 needs its argument in parentheses.").arg(at);
    case ReadProblem::UnexpectedNumber:
        return tr("A number cannot follow at character %1; put * before it.").arg(at);
    }
    return {};
}

} // namespace rk
