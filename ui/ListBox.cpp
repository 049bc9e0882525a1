#include "ui/ListBox.h"

#include "ui/ListRowDelegate.h"

#include <QEvent>
#include <QPainter>

namespace rk {

ListBox::ListBox(QWidget* parent) : QListView(parent)
{
    setModel(&model_);
    setItemDelegate(new ListRowDelegate(this));
    // Uniform rows let the view place a million lines without measuring each.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { emit Click(); });
}

void ListBox::AddItem(std::string_view utf8) { model_.append(utf8); }

void ListBox::AddItem(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    model_.append(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

void ListBox::Clear() { model_.clear(); }

int ListBox::ListIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

bool ListBox::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Paint: {
        // The scroll area's own paint event: the frame, and the strip below
        // the viewport, which would otherwise show the window behind.
        const QRect strip(viewport()->geometry().bottomLeft() + QPoint(0, 1),
                          QSize(viewport()->width(), viewportMargins().bottom()));
        if (!strip.isEmpty())
            QPainter(this).fillRect(strip, viewport()->palette().brush(viewport()->backgroundRole()));
        break;
    }
    case QEvent::Resize:
    case QEvent::FontChange:
    case QEvent::StyleChange: {
        const bool handled = QListView::event(event);
        fitWholeRows();
        return handled;
    }
    default:
        break;
    }
    return QListView::event(event);
}

void ListBox::fitWholeRows()
{
    // Another row of text a couple of pixels high reads as a strip of cut
    // glyph tops: a list shows whole rows or none.
    const int row = ListRowDelegate::rowHeight(font());
    const int left = row > 0 ? contentsRect().height() % row : 0;
    if (viewportMargins().bottom() != left)
        setViewportMargins(0, 0, 0, left);
}

} // namespace rk
