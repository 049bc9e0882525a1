#pragma once
// Label3 over List1 while the errors are shown: the design's " x      y"
// names a third column, "error", set over it, and the heading moves with
// the list when the list scrolls sideways, so every name stays over its
// column. Without the errors, Label3 is the design's.

class QLabel;
class QListView;

namespace rk {

class ResultsModel;

void headResultColumns(QLabel& heading, QListView& list, ResultsModel& results);

} // namespace rk
