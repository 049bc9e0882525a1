#pragma once
// Paints a list box's rows at the height of its font's pixel size.
//
// The toolkit would make a row as tall as the font's line box, ascent plus
// descent, which is a pixel or two more than the pixel size; a list then
// shows fewer rows than its design height promises. Rows here are exactly
// the pixel size, and the text is set into that height without losing the
// top of a prime or the tail of a "y". A row that does not fit whole
// below the others is not painted.

#include <QStyledItemDelegate>

namespace rk {

class ListRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The height of every row in a list of this font: its pixel size.
    static int rowHeight(const QFont& font);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace rk
