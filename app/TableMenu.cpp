#include "app/TableMenu.h"

#include "app/FileSaver.h"
#include "app/TableWindow.h"
#include "core/ResultsTable.h"
#include "widgets/ContextMenuKeys.h"
#include "widgets/ListBox.h"
#include "widgets/ResultsModel.h"
#include "widgets/QtText.h"
#include "widgets/TableExport.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QListView>
#include <QMenu>

namespace rk {

TableMenu::TableMenu(QListView& list, ResultsModel& results, FileSaver& saver)
    : QObject(&list),
      list_(list),
      results_(results),
      table_(results.table()),
      saver_(saver),
      menu_(new QMenu(&list)),
      copyLine_(new QAction(&list)),
      copyTable_(new QAction(&list)),
      saveTable_(new QAction(&list)),
      openTable_(new QAction(&list)),
      showErrors_(new QAction(&list))
{
    menu_->setObjectName("TableMenu");
    // Left enabled, so that the list's own Ctrl+C, which copies the current
    // row whether selected or not, never gets the key; copyLine copies the
    // selected line and nothing when none is selected.
    copyLine_->setShortcut(QKeySequence::Copy);
    copyLine_->setShortcutContext(Qt::WidgetShortcut);
    list_.addAction(copyLine_);
    connect(menu_, &QMenu::aboutToHide, copyLine_, [this] { copyLine_->setEnabled(true); });
    menu_->addActions({copyLine_, copyTable_, saveTable_, openTable_});
    openTable_->setObjectName("OpenAsTable");
    connect(openTable_, &QAction::triggered, this, [this] { TableWindow::open(*list_.window(), results_); });
    menu_->addSeparator();
    showErrors_->setCheckable(true);
    showErrors_->setObjectName("ShowErrors");
    menu_->addAction(showErrors_);
    connect(showErrors_, &QAction::toggled, &results_, &ResultsModel::setShowErrors);
    connect(showErrors_, &QAction::toggled, this, &TableMenu::fitRows);
    connect(&results_, &QAbstractItemModel::rowsInserted, this, &TableMenu::fitRows);
    connect(&results_, &QAbstractItemModel::modelReset, this, &TableMenu::fitRows);
    connect(copyLine_, &QAction::triggered, this, &TableMenu::copyLine);
    connect(copyTable_, &QAction::triggered, this, &TableMenu::copyTable);
    connect(saveTable_, &QAction::triggered, this, &TableMenu::saveTable);

    // The menu is found by the right button; the list says so. A list
    // reports the place of a request in its viewport's coordinates.
    list_.setToolTip(tr("Right-click to copy or save the table"));
    list_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&list_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { open(list_.viewport()->mapToGlobal(at)); });
    openMenuOnKeys(list_, [this] { open(keyboardPoint()); });
}

void TableMenu::fitRows()
{
    // The design's list is as wide as x and y; a finer step's longer x and
    // the errors scroll into view, in rows as wide as their longest line.
    const int decimals = table_.widestXDecimals();
    const bool wider = showErrors_->isChecked() || decimals > 2;
    list_.setHorizontalScrollBarPolicy(wider ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    const QString longest = QStringLiteral("-00.") + QString(decimals, QLatin1Char('0')) +
                            QStringLiteral("    -0.00000") +
                            (showErrors_->isChecked() ? QStringLiteral("    -0.00e-00") : QString());
    const int width = wider ? list_.fontMetrics().horizontalAdvance(longest) : 1;
    if (list_.gridSize().width() != width)
        list_.setGridSize({width, list_.gridSize().height()});
}

void TableMenu::open(QPoint global)
{
    // Worded when shown, in the language installed at that moment.
    copyLine_->setText(tr("Copy line"));
    copyTable_->setText(tr("Copy table"));
    saveTable_->setText(tr("Save table as CSV…"));
    openTable_->setText(tr("Open as table…"));
    showErrors_->setText(tr("Show errors"));
    copyLine_->setEnabled(ListIndex(list_) >= 0);
    copyTable_->setEnabled(table_.count() > 0);
    saveTable_->setEnabled(table_.count() > 0);
    menu_->popup(global);
}

QPoint TableMenu::keyboardPoint() const
{
    const QRect shown = list_.viewport()->rect();
    const QRect current = list_.visualRect(list_.currentIndex());
    return list_.viewport()->mapToGlobal(shown.intersects(current) ? current.center() : shown.topLeft());
}

void TableMenu::copyLine()
{
    const int selected = ListIndex(list_);
    if (selected >= 0)
        // As listed: with its error while the errors are shown.
        QGuiApplication::clipboard()->setText(results_.index(selected).data().toString());
}

std::optional<TruthColumns> TableMenu::truthColumns() const
{
    if (!results_.showErrors())
        return std::nullopt;
    // A copy holds every line's truth: the references still being made first.
    results_.waitForReferences();
    return TruthColumns{results_.truthHeading(), [this](std::size_t line) -> std::optional<double> {
                            const auto truth = results_.truthAt(line);
                            return truth ? truth->value : std::nullopt;
                        }};
}

void TableMenu::copyTable()
{
    const auto truth = truthColumns();
    QGuiApplication::clipboard()->setText(tableText(table_, truth ? &*truth : nullptr));
}

void TableMenu::saveTable()
{
    saver_.save({tr("Save table as CSV"), FileSaver::inDocuments("rungekutta.csv"), tr("CSV files (*.csv)"), "csv"},
                [this](QIODevice& device) {
                    const auto truth = truthColumns();
                    return writeTableCsv(table_, device, truth ? &*truth : nullptr);
                });
}

} // namespace rk
