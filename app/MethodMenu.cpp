#include "app/MethodMenu.h"

#include "app/OwnMethodDialog.h"
#include "app/StepDialog.h"
#include "widgets/MessageNumbers.h"
#include "widgets/MethodNames.h"

#include <QActionGroup>
#include <QMenu>

namespace rk {

MethodMenu::MethodMenu(QMenu& menu, QWidget& dialogParent) : QObject(&menu), dialogParent_(dialogParent)
{
    menu.addSeparator();
    stepAction_ = menu.addAction(QString());
    stepAction_->setObjectName("StepH");
    connect(stepAction_, &QAction::triggered, this, &MethodMenu::askForStep);
    methods_ = menu.addMenu(QString());
    methods_->setObjectName("MethodMenu");
    group_ = new QActionGroup(this);
    for (const MethodInfo& info : kMethods) {
        QAction* action = methods_->addAction(QString());
        action->setObjectName(QString::fromLatin1("Method") +
                              QString::fromLatin1(info.name.data(), static_cast<qsizetype>(info.name.size()))
                                  .remove(QLatin1Char('-')));
        action->setCheckable(true);
        action->setChecked(info.method == method_);
        action->setData(static_cast<int>(info.method));
        group_->addAction(action);
    }
    ownAction_ = methods_->addAction(QString());
    ownAction_->setObjectName("MethodOwn");
    ownAction_->setCheckable(true);
    ownAction_->setData(static_cast<int>(Method::Own));
    ownAction_->setVisible(false);
    group_->addAction(ownAction_);
    connect(group_, &QActionGroup::triggered, this,
            [this](QAction* action) { choose(static_cast<Method>(action->data().toInt())); });
    methods_->addSeparator();
    ownMethodAction_ = methods_->addAction(QString());
    ownMethodAction_->setObjectName("OwnMethod");
    connect(ownMethodAction_, &QAction::triggered, this, &MethodMenu::askForOwnMethod);
    retranslate();
}

void MethodMenu::choose(Method method)
{
    for (QAction* action : group_->actions())
        action->setChecked(action->data().toInt() == static_cast<int>(method));
    if (method == method_)
        return;
    method_ = method;
    retranslate();
    emit changed();
}

bool MethodMenu::isDefault() const { return step_ == kStep && method_ == Method::RungeKutta; }

void MethodMenu::retranslate()
{
    //: %1 is the step of the next runs.
    stepAction_->setText(tr("Step h = %1…").arg(shortest(step_)));
    methods_->setTitle(tr("&Method"));
    const QList<QAction*> actions = group_->actions();
    for (QAction* action : actions) {
        const auto method = static_cast<Method>(action->data().toInt());
        const QString name = methodName(methodInfo(method, own_.get()));
        //: A menu entry; %1 is the method's name, as "Heun".
        action->setText(method == Method::RungeKutta ? tr("Classical %1").arg(name) : name);
    }
    ownMethodAction_->setText(tr("Own method…"));
}

void MethodMenu::askForOwnMethod()
{
    auto* dialog = new OwnMethodDialog(own_.get(), &dialogParent_);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        if (!dialog->method())
            return;
        own_ = dialog->method();
        ownAction_->setVisible(true);
        // Chosen for the next run, and named anew in the heading even when
        // an own method was chosen already.
        method_ = Method::Own;
        choose(Method::Own);
        retranslate();
        emit changed();
    });
    dialog->open();
}

void MethodMenu::askForStep()
{
    auto* dialog = new StepDialog(step_, &dialogParent_);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        if (dialog->step() == step_)
            return;
        step_ = dialog->step();
        retranslate();
        emit changed();
    });
    dialog->open();
}

} // namespace rk
