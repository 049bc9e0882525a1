#include "app/EquationMenu.h"

#include "app/MethodMenu.h"
#include "widgets/ContextMenuKeys.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>

namespace rk {

EquationMenu::EquationMenu(QListWidget& list, QWidget& dialogParent)
    : QObject(&list), list_(list), menu_(new QMenu(&list))
{
    menu_->setObjectName("EquationMenu");
    own_ = menu_->addAction(QString());
    connect(own_, &QAction::triggered, this, &EquationMenu::ownEquationAsked);
    compare_ = menu_->addAction(QString());
    compare_->setObjectName("CompareStepsAndMethods");
    connect(compare_, &QAction::triggered, this, &EquationMenu::comparisonAsked);
    methods_ = new MethodMenu(*menu_, dialogParent);

    // The menu is found by the right button; the list says so.
    list_.setToolTip(tr("Right-click for your own equation"));
    list_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&list_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { open(list_.viewport()->mapToGlobal(at)); });
    openMenuOnKeys(list_, [this] {
        const QRect current = list_.visualRect(list_.currentIndex());
        const QPoint at = list_.viewport()->rect().intersects(current) ? current.center() : QPoint(0, 0);
        open(list_.viewport()->mapToGlobal(at));
    });
}

void EquationMenu::open(QPoint global)
{
    // Worded when shown, in the language installed at that moment.
    own_->setText(tr("Own equation…"));
    compare_->setText(tr("Compare steps and methods…"));
    methods_->retranslate();
    menu_->popup(global);
}

} // namespace rk
