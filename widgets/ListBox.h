#pragma once
// The design's list boxes are the toolkit's list views, set up alike:
// unsorted, single selection, rows as high as the font's pixel size,
// scrolling by whole rows and showing whole rows only. Set up after the
// list has its font.

class QAbstractItemView;
class QListView;

namespace rk {

void setUpListBox(QListView& list);

// 0-based index of the selected item, -1 when none is selected.
int ListIndex(const QAbstractItemView& list);

// Shift+F1 explains the selected row, else the current one, as What's This
// would explain it under the pointer. The toolkit's Shift+F1 would explain
// the list as a whole.
void explainRowsOnShiftF1(QAbstractItemView& list);

} // namespace rk
