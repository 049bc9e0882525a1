#pragma once
// The rows of a comparison as a table view lists them; a marked row is
// shaded, its note says why in a word and its tooltip in a sentence.

#include "core/Comparison.h"

#include <QStandardItemModel>

namespace rk {

class ComparisonTableModel : public QStandardItemModel {
    Q_OBJECT
public:
    enum Column { MethodColumn, StepColumn, StepsColumn, YColumn, ErrorColumn, RatioColumn, OrderColumn, NoteColumn };

    explicit ComparisonTableModel(QObject* parent = nullptr);
    void setComparison(const Comparison& comparison);
    // Headings in the language installed now.
    void retranslate();
};

} // namespace rk
