#include "widgets/ListRowDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>

namespace rk {
namespace {

// Full hinting snaps the outlines to whole pixels, so that the ink of the
// design's faces at their list sizes spans no more rows than the pixel size:
// unhinted, the bold parentheses leave a faint extra row above.
QFont rowFont(QFont font)
{
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// The baseline divides the row as the ascent divides the font's line box,
// so the little that the row is shorter is taken from above and below alike.
int baselineOffset(const QFontMetrics& metrics, int rowHeight)
{
    const int lineBox = metrics.ascent() + metrics.descent();
    return lineBox > 0 ? (2 * metrics.ascent() * rowHeight + lineBox) / (2 * lineBox) : rowHeight;
}

} // namespace

int ListRowDelegate::rowHeight(const QFont& font) { return QFontInfo(font).pixelSize(); }

QSize ListRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight(option.font)};
}

void ListRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // A row cut by the bottom edge would read as a strip of glyph tops: a
    // list shows whole rows, and the strip below them only its background.
    if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        view && option.rect.bottom() > view->viewport()->rect().bottom())
        return;
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    const QWidget* widget = item.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();

    // The style draws the row's background, selection and focus frame; the
    // text is set here, on its own baseline.
    item.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const QFont font = rowFont(item.font);
    const QFontMetrics metrics(font);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect area = item.rect.adjusted(margin, 0, -margin, 0);
    const bool selected = item.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (item.state & QStyle::State_Active) ? QPalette::Active
                                                                             : QPalette::Inactive;
    painter->save();
    painter->setFont(font);
    painter->setPen(item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QPoint(area.left(), area.top() + baselineOffset(metrics, area.height())),
                      metrics.elidedText(text, item.textElideMode, area.width()));
    painter->restore();
}

} // namespace rk
