#include "app/ResultsMenus.h"

#include "ui/ListBox.h"
#include "ui/PictureBox.h"
#include "ui/QtText.h"
#include "ui/TableExport.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageWriter>
#include <QKeyEvent>
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

bool opensMenu(const QKeyEvent& key)
{
    return (key.key() == Qt::Key_Menu && key.modifiers() == Qt::NoModifier) ||
           (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

} // namespace

ResultsMenus::ResultsMenus(ListBox& table, PictureBox& plot, QWidget* window)
    : QObject(window),
      table_(table),
      tableViewport_(table.viewport()),
      plot_(plot),
      window_(window),
      // Owned by the control they belong to, so the window keeps its own
      // children as designed.
      tableMenu_(new QMenu(&table)),
      plotMenu_(new QMenu(&plot)),
      copyLine_(new QAction(this)),
      copyTable_(new QAction(this)),
      saveTable_(new QAction(this)),
      copyImage_(new QAction(this)),
      saveImage_(new QAction(this)),
      choosePath_(askForPath)
{
    tableMenu_->setObjectName("TableMenu");
    plotMenu_->setObjectName("PlotMenu");
    // Shown in the menu; the key itself is caught below, so that it copies
    // the selected line and nothing when none is selected.
    copyLine_->setShortcut(QKeySequence::Copy);
    copyLine_->setShortcutContext(Qt::WidgetShortcut);
    tableMenu_->addActions({copyLine_, copyTable_, saveTable_});
    plotMenu_->addActions({copyImage_, saveImage_});
    connect(copyLine_, &QAction::triggered, this, &ResultsMenus::copyLine);
    connect(copyTable_, &QAction::triggered, this, &ResultsMenus::copyTable);
    connect(saveTable_, &QAction::triggered, this, &ResultsMenus::saveTable);
    connect(copyImage_, &QAction::triggered, this, &ResultsMenus::copyImage);
    connect(saveImage_, &QAction::triggered, this, &ResultsMenus::saveImage);

    for (QObject* watched : {static_cast<QObject*>(&table_), static_cast<QObject*>(tableViewport_),
                             static_cast<QObject*>(&plot_)})
        watched->installEventFilter(this);
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

bool ResultsMenus::eventFilter(QObject* watched, QEvent* event)
{
    // Only pointers are compared until the event is known to matter: the
    // controls also report events while they are being destroyed.
    const QEvent::Type type = event->type();
    if (type != QEvent::ContextMenu && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const bool onTable = watched == &table_ || watched == tableViewport_;
    if (type == QEvent::ContextMenu) {
        const auto* request = static_cast<QContextMenuEvent*>(event);
        const bool byKey = request->reason() == QContextMenuEvent::Keyboard;
        if (onTable)
            openTableMenu(byKey ? tableKeyboardPoint() : request->globalPos());
        else
            openPlotMenu(byKey ? plotKeyboardPoint() : request->globalPos());
        return true;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched != tableViewport_ && opensMenu(*key)) {
        if (onTable)
            openTableMenu(tableKeyboardPoint());
        else
            openPlotMenu(plotKeyboardPoint());
        return true;
    }
    if (watched == &table_ && key->matches(QKeySequence::Copy)) {
        // The list would copy its current row, selected or not.
        if (table_.ListIndex() >= 0)
            copyLine();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ResultsMenus::openTableMenu(QPoint global)
{
    // Worded when shown, in the language installed at that moment.
    copyLine_->setText(tr("Copy line"));
    copyTable_->setText(tr("Copy table"));
    saveTable_->setText(tr("Save table as CSV…"));
    copyLine_->setEnabled(table_.ListIndex() >= 0);
    copyTable_->setEnabled(table_.count() > 0);
    saveTable_->setEnabled(table_.count() > 0);
    tableMenu_->popup(global);
}

void ResultsMenus::openPlotMenu(QPoint global)
{
    copyImage_->setText(tr("Copy image"));
    saveImage_->setText(tr("Save image as PNG…"));
    plotMenu_->popup(global);
}

QPoint ResultsMenus::tableKeyboardPoint() const
{
    const QRect shown = table_.viewport()->rect();
    const QRect current = table_.visualRect(table_.currentIndex());
    return table_.viewport()->mapToGlobal(shown.intersects(current) ? current.center() : shown.topLeft());
}

QPoint ResultsMenus::plotKeyboardPoint() const { return plot_.mapToGlobal(plot_.contentsRect().topLeft()); }

void ResultsMenus::copyLine()
{
    const int selected = table_.ListIndex();
    if (selected < 0)
        return;
    QGuiApplication::clipboard()->setText(toQString(table_.item(static_cast<std::size_t>(selected))));
}

void ResultsMenus::copyTable() { QGuiApplication::clipboard()->setText(tableText(table_.lines())); }

void ResultsMenus::saveTable()
{
    save({tr("Save table as CSV"), inDocuments("rungekutta.csv"), tr("CSV files (*.csv)"), "csv"},
         [this](QIODevice& device) { return writeTableCsv(table_.lines(), device); });
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
