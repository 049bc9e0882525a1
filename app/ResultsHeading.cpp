#include "app/ResultsHeading.h"

#include "widgets/ResultsModel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QStyle>

#include <cmath>

namespace rk {
namespace {

// Where the error starts in a row of the list, from the list's left edge:
// its frame, the row's margin, then "x    y    " in the list's face.
int errorColumnStart(const QListView& list)
{
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    return list.frameWidth() + margin + list.fontMetrics().horizontalAdvance(QStringLiteral("0.00    0.00000    "));
}

// Where the heading's text starts, from its left edge: its frame and the
// indent a framed label gives its text, half an "x".
int headingTextStart(const QLabel& heading)
{
    const int indent = heading.indent() >= 0 ? heading.indent() : heading.fontMetrics().horizontalAdvance('x') / 2;
    return heading.frameWidth() + indent;
}

} // namespace

void headResultColumns(QLabel& heading, QListView& list, ResultsModel& results)
{
    const QString design = heading.text();
    const auto update = [&heading, &list, design](bool errors) {
        if (!errors) {
            heading.setText(design);
            heading.setAccessibleName(design.trimmed());
            heading.setContentsMargins(0, 0, 0, 0);
            return;
        }
        // Blanks up to the error column, as the design's own blanks set "y"
        // over the ordinates.
        const QFontMetrics metrics = heading.fontMetrics();
        const int gap = errorColumnStart(list) + heading.x() - list.x() - headingTextStart(heading) -
                        metrics.horizontalAdvance(design);
        const int blanks = std::max(1, static_cast<int>(std::lround(double(gap) / metrics.horizontalAdvance(' '))));
        heading.setText(design + QString(blanks, QLatin1Char(' ')) +
                        QCoreApplication::translate("ResultsHeading", "error"));
        // Read out as the names of the three columns.
        heading.setAccessibleName(heading.text().simplified());
    };
    QObject::connect(&results, &ResultsModel::showErrorsChanged, &heading, update);
    // Scrolled sideways, the list's columns move left: the names go with them.
    QObject::connect(list.horizontalScrollBar(), &QScrollBar::valueChanged, &heading,
                     [&heading](int value) { heading.setContentsMargins(-value, 0, 0, 0); });
}

} // namespace rk
