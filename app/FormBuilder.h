#pragma once
// Makes the window of the design (app/FormDesign.h) out of the toolkit's
// stock widgets: the window's caption, colour and fixed size, and each
// control of its kind at its place, with its caption, face, colours, tab
// order and first visibility, named as the design names it.

class QWidget;

namespace rk {

// Builds into `window`, which has no controls yet. The handlers find the
// controls by their names; the first in the tab order has the focus.
void buildForm1(QWidget& window);

} // namespace rk
