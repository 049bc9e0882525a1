#pragma once
// List2's menu: an equation of the user's own, the comparison of steps and
// methods, and the step and method of the next runs (MethodMenu). It opens
// with the right mouse button, the Menu key or Shift+F10.

#include <QObject>
#include <QPoint>

class QAction;
class QListWidget;
class QMenu;

namespace rk {

class MethodMenu;

class EquationMenu : public QObject {
    Q_OBJECT
public:
    // The step dialog opens over `dialogParent`.
    EquationMenu(QListWidget& list, QWidget& dialogParent);

    MethodMenu& methods() const { return *methods_; }

signals:
    void ownEquationAsked();
    void comparisonAsked();

private:
    void open(QPoint global);

    QListWidget& list_;
    QMenu* menu_;
    QAction* own_;
    QAction* compare_;
    MethodMenu* methods_;
};

} // namespace rk
