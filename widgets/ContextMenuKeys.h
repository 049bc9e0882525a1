#pragma once
// The keys that open a control's context menu while it has the focus: the
// Menu key and Shift+F10. The toolkit turns the Menu key into a context menu
// request on some platforms only, and Shift+F10 on none here.

#include <functional>

class QWidget;

namespace rk {

void openMenuOnKeys(QWidget& control, const std::function<void()>& open);

} // namespace rk
