#include "app/OwnEquationDialog.h"

#include "core/TextFold.h"
#include "widgets/Colours.h"
#include "widgets/QtText.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QStringList>
#include <QTextCharFormat>
#include <QVBoxLayout>

#include <algorithm>
#include <string_view>
#include <vector>

namespace rk {

namespace {

// A piece of the typed text as the reader reads it, in lower case: ＰＩ as pi.
QString asRead(const QString& piece)
{
    QString read;
    for (const QChar c : piece)
        if (const char a = foldToAscii(c.unicode()); a != ' ')
            read += a == '\x7f' ? c : QChar(a).toLower();
    return read;
}

} // namespace

OwnEquationDialog::OwnEquationDialog(const QString& current, QWidget* parent)
    : QDialog(parent), field_(new QLineEdit(current, this)), reading_(new QLabel), shown_(new QScrollArea(this))
{
    setObjectName("OwnEquationDialog");
    setWindowTitle(tr("Own equation"));
    field_->setObjectName("OwnEquationText");
    field_->setAccessibleName(tr("Right-hand side f(x, y)"));
    // No cap on the field: the reader's limit leaves out the blanks around
    // the text, and a paste past it is refused with a message, not cut.
    field_->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    reading_->setObjectName("OwnEquationReading");
    reading_->setAccessibleName(tr("How the program reads the equation"));
    reading_->setWordWrap(true);
    reading_->setTextFormat(Qt::PlainText);
    reading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The message wraps at the field's width and the dialog grows with it;
    // only a read-as line longer than a screenful's share scrolls.
    shown_->setWidget(reading_);
    shown_->setWidgetResizable(true);
    shown_->setFrameShape(QFrame::NoFrame);
    shown_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("y' ="), field_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(shown_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

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
        // Kept without the "y' =" the list puts before it, and a pasted line
        // end within it kept on the list's one line.
        const std::u16string_view typed(reinterpret_cast<const char16_t*>(text.utf16()),
                                        static_cast<std::size_t>(text.size()));
        const std::u16string_view rhs = rightHandSide(typed);
        QString kept = text.mid(rhs.data() - typed.data(), static_cast<qsizetype>(rhs.size()));
        for (QChar& c : kept)
            if (c.unicode() < 0x20)
                c = u' ';
        equation_ = std::make_shared<const TypedEquation>(TypedEquation{kept.toStdString(), std::move(program)});
        mark(0, 0);
    }
    // Said to a screen reader too, from the label and from the field, which
    // keeps the focus while the message changes.
    reading_->setAccessibleDescription(reading_->text());
    field_->setAccessibleDescription(reading_->text());
    ok_->setEnabled(equation_ != nullptr);
    fitReading();
}

void OwnEquationDialog::fitReading()
{
    // The layout's width, which the field row sets: the message area takes
    // no width of its own.
    const QMargins margins = layout()->contentsMargins();
    const int width = layout()->sizeHint().width() - margins.left() - margins.right();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, shown_);
    // A word wider than the line, as a long run of signs, scrolls sideways.
    const int wide = reading_->minimumSizeHint().width() > width ? bar : 0;
    const int most = fontMetrics().lineSpacing() * 16;
    const int needed = reading_->heightForWidth(width) + wide;
    shown_->setFixedHeight(std::min(needed, most));
    shown_->setFocusPolicy(needed > most || wide ? Qt::StrongFocus : Qt::NoFocus);
}

void OwnEquationDialog::mark(int start, int length)
{
    // The field's own text formats, as an input method sets them, mark the
    // place without moving the cursor or the selection under the typist.
    QList<QInputMethodEvent::Attribute> formats;
    if (length > 0) {
        QTextCharFormat wrong;
        wrong.setBackground(QColor(kWrongPlaceColour));
        wrong.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        wrong.setUnderlineColor(QColor(kWrongPlaceLineColour));
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
        return tr("The equation is too long: it may have at most %1 characters (character %2).")
            .arg(kMaxOwnEquationLength)
            .arg(at);
    case ReadProblem::TooDeep:
        return tr("Parentheses are nested more than %1 deep (character %2).").arg(kMaxParenthesisDepth).arg(at);
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
    case ReadProblem::UnknownVariable:
        return tr("\"%2\" at character %1 is not a known name: the variable here is x.").arg(at).arg(piece);
    case ReadProblem::UpperCaseName:
        return tr("\"%2\" at character %1: names are lower case, so type %3.").arg(at).arg(piece, asRead(piece));
    case ReadProblem::PowerWithStars:
        return tr("Use ^ for powers, not ** (character %1): for example x^2.").arg(at);
    case ReadProblem::DecimalComma:
        return tr("Use a point in numbers, not a comma (character %1): for example 0.5.").arg(at);
    case ReadProblem::PowerOfFunction:
        // The piece ends in the ^ or the ²; before it, the function's name.
        return tr("Write the power after the function's argument, as in %2(x)^2 (character %1).")
            .arg(at)
            .arg(asRead(piece.chopped(1)));
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
