#include "app/ResultsMenus.h"

#include "core/ResultsTable.h"
#include "widgets/TableExport.h"
#include "widgets/ContextMenuKeys.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"
#include "widgets/QtText.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageWriter>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>

namespace rk {
namespace {

QString inDocuments(const QString& name)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(name);
}

QString askForPath(QWidget* parent, const ResultsMenus::SaveRequest& request)
{
    const auto dialog = ResultsMenus::saveDialog(parent, request);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().first();
}

} // namespace

ResultsMenus::ResultsMenus(QListView& list, const ResultsTable& table, PictureBox& plot, QWidget* window)
    : QObject(window),
      list_(list),
      table_(table),
      plot_(plot),
      window_(window),
      tableMenu_(new QMenu(&list)),
      plotMenu_(new QMenu(&plot)),
      copyLine_(new QAction(&list)),
      copyTable_(new QAction(&list)),
      saveTable_(new QAction(&list)),
      copyImage_(new QAction(&plot)),
      saveImage_(new QAction(&plot)),
      showSlopeField_(new QAction(&plot)),
      choosePath_(askForPath)
{
    tableMenu_->setObjectName("TableMenu");
    plotMenu_->setObjectName("PlotMenu");
    // Left enabled, so that the list's own Ctrl+C, which copies the current
    // row whether selected or not, never gets the key; copyLine copies the
    // selected line and nothing when none is selected.
    copyLine_->setShortcut(QKeySequence::Copy);
    copyLine_->setShortcutContext(Qt::WidgetShortcut);
    list_.addAction(copyLine_);
    connect(tableMenu_, &QMenu::aboutToHide, copyLine_, [this] { copyLine_->setEnabled(true); });
    tableMenu_->addActions({copyLine_, copyTable_, saveTable_});
    plotMenu_->addActions({copyImage_, saveImage_});
    plotMenu_->addSeparator();
    showSlopeField_->setCheckable(true);
    plotMenu_->addAction(showSlopeField_);
    connect(copyLine_, &QAction::triggered, this, &ResultsMenus::copyLine);
    connect(copyTable_, &QAction::triggered, this, &ResultsMenus::copyTable);
    connect(saveTable_, &QAction::triggered, this, &ResultsMenus::saveTable);
    connect(copyImage_, &QAction::triggered, this, &ResultsMenus::copyImage);
    connect(saveImage_, &QAction::triggered, this, &ResultsMenus::saveImage);

    // A list reports the place of a request in its viewport's coordinates.
    list_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&list_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { openTableMenu(list_.viewport()->mapToGlobal(at)); });
    openMenuOnKeys(list_, [this] { openTableMenu(tableKeyboardPoint()); });
    plot_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&plot_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { openPlotMenu(plot_.mapToGlobal(at)); });
    openMenuOnKeys(plot_, [this] { openPlotMenu(plotKeyboardPoint()); });
}

std::unique_ptr<QFileDialog> ResultsMenus::saveDialog(QWidget* parent, const SaveRequest& request)
{
    const QFileInfo suggested(request.suggested);
    auto dialog = std::make_unique<QFileDialog>(parent, request.caption, suggested.absolutePath(), request.filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(request.suffix);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog->selectFile(suggested.fileName());
    return dialog;
}

void ResultsMenus::openTableMenu(QPoint global)
{
    // Worded when shown, in the language installed at that moment.
    copyLine_->setText(tr("Copy line"));
    copyTable_->setText(tr("Copy table"));
    saveTable_->setText(tr("Save table as CSV…"));
    copyLine_->setEnabled(ListIndex(list_) >= 0);
    copyTable_->setEnabled(table_.count() > 0);
    saveTable_->setEnabled(table_.count() > 0);
    tableMenu_->popup(global);
}

void ResultsMenus::openPlotMenu(QPoint global)
{
    copyImage_->setText(tr("Copy image"));
    saveImage_->setText(tr("Save image as PNG…"));
    showSlopeField_->setText(tr("Show slope field"));
    plotMenu_->popup(global);
}

QPoint ResultsMenus::tableKeyboardPoint() const
{
    const QRect shown = list_.viewport()->rect();
    const QRect current = list_.visualRect(list_.currentIndex());
    return list_.viewport()->mapToGlobal(shown.intersects(current) ? current.center() : shown.topLeft());
}

QPoint ResultsMenus::plotKeyboardPoint() const { return plot_.mapToGlobal(plot_.contentsRect().topLeft()); }

void ResultsMenus::copyLine()
{
    const int selected = ListIndex(list_);
    if (selected >= 0)
        QGuiApplication::clipboard()->setText(toQString(table_.line(static_cast<std::size_t>(selected))));
}

void ResultsMenus::copyTable() { QGuiApplication::clipboard()->setText(tableText(table_)); }

void ResultsMenus::saveTable()
{
    save({tr("Save table as CSV"), inDocuments("rungekutta.csv"), tr("CSV files (*.csv)"), "csv"},
         [this](QIODevice& device) { return writeTableCsv(table_, device); });
}

void ResultsMenus::copyImage() { QGuiApplication::clipboard()->setImage(plot_.shownImage()); }

void ResultsMenus::saveImage()
{
    // What was shown when the user asked.
    const QImage image = plot_.shownImage();
    save({tr("Save image as PNG"), inDocuments("rungekutta.png"), tr("PNG images (*.png)"), "png"},
         [&image](QIODevice& device) { return QImageWriter(&device, "png").write(image); });
}

void ResultsMenus::save(const SaveRequest& request, const ContentWriter& write)
{
    const QString path = choosePath_(window_, request);
    if (path.isEmpty())
        return;
    QString reason;
    if (saveWhole(path, write, reason))
        return;
    if (reason.endsWith('.'))
        reason.chop(1);
    // Window-modal, as the run's messages: the window waits for the answer.
    auto* box = new QMessageBox(QMessageBox::Warning, window_->windowTitle(),
                                tr("The file %1 could not be saved: %2.").arg(QDir::toNativeSeparators(path), reason),
                                QMessageBox::Ok, window_);
    box->setObjectName("SaveMessage");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace rk
