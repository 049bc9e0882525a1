#include "widgets/NumberHint.h"

#include "core/ValFromText.h"
#include "widgets/MessageNumbers.h"

#include <QCoreApplication>

#include <numbers>

namespace rk {
namespace {

QString tr(const char* text) { return QCoreApplication::translate("NumberHint", text); }

} // namespace

QString numberHint(const QString& text)
{
    const LeadingNumber number = readLeadingNumber(text.toStdU16String());
    const QString rest = text.mid(static_cast<qsizetype>(number.end)).trimmed();
    const QString read = shortest(number.value);
    if (number.end == 0) {
        const QString name = text.trimmed().toLower();
        if (name == "pi" || name == QString::fromUtf8("π"))
            //: %1 is pi to the digits a number box reads.
            return tr("Read as 0: names are not read in this box; type %1 for pi.").arg(shortest(std::numbers::pi));
        if (name == "e")
            return tr("Read as 0: names are not read in this box; type %1 for e.").arg(shortest(std::numbers::e));
        if (name.isEmpty())
            return tr("Read as 0: the box is empty.");
        return tr("Read as 0: the text does not begin with a number.");
    }
    if (rest.isEmpty())
        return {};
    // A decimal comma, as many keyboards and countries write it.
    if (rest.size() > 1 && rest[0] == ',' && rest[1].isDigit()) {
        const QString pointed = text.trimmed().replace(',', '.');
        if (readLeadingNumber(pointed.toStdU16String()).end == static_cast<std::size_t>(pointed.size()))
            //: %1 is what was read; %2 the text with a point for the comma.
            return tr("Read as %1: use a point, not a comma, for decimals; type %2.").arg(read, pointed);
    }
    // A fraction: the box reads numbers, not sums.
    if (rest.size() > 1 && rest[0] == '/') {
        const QString divisor = rest.mid(1).trimmed();
        const LeadingNumber below = readLeadingNumber(divisor.toStdU16String());
        if (below.end == static_cast<std::size_t>(divisor.size()) && below.value != 0)
            //: %1 is what was read; %2 the fraction's value.
            return tr("Read as %1: only the leading number counts; type %2.")
                .arg(read, shortest(number.value / below.value));
    }
    //: %1 is what was read; %2 the rest of the text, which was left out.
    return tr("Read as %1: only the leading number counts, so “%2” was left out.").arg(read, rest);
}

} // namespace rk
