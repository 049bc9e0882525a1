#include "widgets/ComparisonTableModel.h"

#include "core/LineNumbers.h"
#include "widgets/Colours.h"
#include "widgets/ComparisonWords.h"
#include "widgets/MethodNames.h"
#include "widgets/QtText.h"

#include <QBrush>
#include <QColor>

namespace rk {
namespace {

QString optionalNumber(const std::optional<double>& value, char format, int precision)
{
    return value ? QString::number(*value, format, precision) : QString();
}

// As a results line writes them.
QString optionalText(const std::optional<double>& value, std::string (*text)(double))
{
    return value ? toQString(text(*value)) : QString();
}

} // namespace

ComparisonTableModel::ComparisonTableModel(QObject* parent) : QStandardItemModel(0, NoteColumn + 1, parent)
{
    retranslate();
}

void ComparisonTableModel::retranslate()
{
    setHorizontalHeaderLabels({tr("Method"), tr("h"), tr("Steps"), tr("y at x2"), tr("Error"), tr("Ratio"),
                               tr("Order"), tr("Note")});
}

void ComparisonTableModel::setComparison(const Comparison& comparison)
{
    removeRows(0, rowCount());
    for (const ComparisonRow& row : comparison.rows) {
        const QStringList texts{
            methodName(comparison.methodInfo(row.method)),
            ComparisonWords::step(row.h),
            row.steps > 0 ? QString::number(row.steps) : QString(),
            optionalText(row.y, valueText),
            optionalText(row.error, errorText),
            optionalNumber(row.ratio, 'f', 2),
            optionalNumber(row.order, 'f', 2),
            ComparisonWords::note(row),
        };
        const QString reason = ComparisonWords::reason(row);
        const bool marked = row.mark != RowMark::None;
        QList<QStandardItem*> items;
        for (const QString& text : texts) {
            auto* item = new QStandardItem(text);
            item->setEditable(false);
            if (!reason.isEmpty())
                item->setToolTip(reason);
            if (marked) {
                item->setBackground(QColor(kMarkedRowColour));
                item->setForeground(QColor(kMarkedRowTextColour));
            }
            items << item;
        }
        for (int column = StepColumn; column < NoteColumn; ++column)
            items[column]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        appendRow(items);
    }
}

} // namespace rk
