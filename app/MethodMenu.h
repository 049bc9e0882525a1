#pragma once
// The step h and the method of the next runs, chosen from List2's menu:
// "Step h…" and a "Method" submenu of the four methods. Runge-Kutta at
// 0.05 until the learner chooses otherwise.

#include "core/Methods.h"

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;

namespace rk {

class MethodMenu : public QObject {
    Q_OBJECT
public:
    // Adds the entries to `menu`; the step dialog opens over `dialogParent`.
    MethodMenu(QMenu& menu, QWidget& dialogParent);

    double step() const { return step_; }
    Method method() const { return method_; }
    // Whether both are as the program starts.
    bool isDefault() const;

    // Words the entries in the language installed now.
    void retranslate();

signals:
    void changed();

private:
    void askForStep();

    QWidget& dialogParent_;
    QAction* stepAction_;
    QMenu* methods_;
    QActionGroup* group_;
    double step_ = kStep;
    Method method_ = Method::RungeKutta;
};

} // namespace rk
