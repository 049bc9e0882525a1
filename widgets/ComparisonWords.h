#pragma once
// A comparison of steps and methods in the learner's words: why a row is marked, and what the rows say about each method.

#include "core/Comparison.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace rk {

class ComparisonWords {
    Q_DECLARE_TR_FUNCTIONS(ComparisonWords)
public:
    // The table's short note, empty for a row nothing interferes with.
    static QString note(const ComparisonRow& row);
    // The same in a sentence, for the row's tooltip.
    static QString reason(const ComparisonRow& row);
    // One line per method, or one line for all when there is nothing to tell apart.
    static QStringList summary(const Comparison& comparison, double x2);
    // "y' = - y from (0, 1) to x = 1"
    static QString problem(const QString& equation, double x1, double y1, double x2);
    // h as the table and the sentences write it: as given, to six digits.
    static QString step(double h);
};

} // namespace rk
