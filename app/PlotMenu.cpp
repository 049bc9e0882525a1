#include "app/PlotMenu.h"

#include "app/FileSaver.h"
#include "widgets/ContextMenuKeys.h"
#include "widgets/PictureBox.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMenu>

namespace rk {

PlotMenu::PlotMenu(PictureBox& plot, FileSaver& saver)
    : QObject(&plot),
      plot_(plot),
      saver_(saver),
      menu_(new QMenu(&plot)),
      copyImage_(new QAction(&plot)),
      saveImage_(new QAction(&plot)),
      showSlopeField_(new QAction(&plot)),
      showExact_(new QAction(&plot))
{
    menu_->setObjectName("PlotMenu");
    menu_->addActions({copyImage_, saveImage_});
    menu_->addSeparator();
    showSlopeField_->setCheckable(true);
    showExact_->setCheckable(true);
    showExact_->setObjectName("ShowExactSolution");
    menu_->addActions({showSlopeField_, showExact_});
    connect(copyImage_, &QAction::triggered, this, &PlotMenu::copyImage);
    connect(saveImage_, &QAction::triggered, this, &PlotMenu::saveImage);

    // The menu is found by the right button; the plot says so.
    plot_.setToolTip(tr("Right-click to copy or save the plot, or to show the slope field"));
    plot_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&plot_, &QWidget::customContextMenuRequested, this, [this](QPoint at) { open(plot_.mapToGlobal(at)); });
    openMenuOnKeys(plot_, [this] { open(plot_.mapToGlobal(plot_.contentsRect().topLeft())); });
}

void PlotMenu::open(QPoint global)
{
    // Worded when shown, in the language installed at that moment.
    copyImage_->setText(tr("Copy image"));
    saveImage_->setText(tr("Save image as PNG…"));
    showSlopeField_->setText(tr("Show slope field"));
    showExact_->setText(tr("Show exact solution"));
    menu_->popup(global);
}

void PlotMenu::copyImage() { QGuiApplication::clipboard()->setImage(plot_.shownImage()); }

void PlotMenu::saveImage()
{
    // What was shown when the user asked.
    const QImage image = plot_.shownImage();
    saver_.save({tr("Save image as PNG"), FileSaver::inDocuments("rungekutta.png"), tr("PNG images (*.png)"), "png"},
                [&image](QIODevice& device) { return QImageWriter(&device, "png").write(image); });
}

} // namespace rk
