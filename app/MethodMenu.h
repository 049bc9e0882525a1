#pragma once
// The step h and the method of the next runs, chosen from List2's menu:
// "Step h…" and a "Method" submenu of the built-in methods, the learner's
// own once there is one, and "Own method…" to type it. Runge-Kutta at 0.05
// until the learner chooses otherwise. One own method at a time, kept for
// the program's life.

#include "core/Methods.h"

#include <QObject>

#include <memory>

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
    // The method the learner typed, whether chosen now or not; null before.
    std::shared_ptr<const OwnMethod> ownMethod() const { return own_; }
    // Whether both are as the program starts.
    bool isDefault() const;

    // Words the entries in the language installed now.
    void retranslate();

signals:
    void changed();

private:
    void askForStep();
    void askForOwnMethod();
    void choose(Method method);

    QWidget& dialogParent_;
    QAction* stepAction_;
    QMenu* methods_;
    QActionGroup* group_;
    QAction* ownAction_;       // the own method, hidden until there is one
    QAction* ownMethodAction_; // "Own method…"
    double step_ = kStep;
    Method method_ = Method::RungeKutta;
    std::shared_ptr<const OwnMethod> own_;
};

} // namespace rk
