#include "app/TableWindow.h"

#include "app/FileSaver.h"
#include "app/Guide.h"
#include "widgets/ResultsModel.h"
#include "widgets/RunTableModel.h"
#include "widgets/TidyExport.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace rk {
namespace {

// The truth's column for a copy or a file while the errors are shown.
std::optional<TidyTruth> tidyTruth(ResultsModel& results)
{
    if (!results.showErrors())
        return std::nullopt;
    // A file or a copy holds every row's truth, never "computing…".
    results.waitForReferences();
    return TidyTruth{results.truthHeading(), [&results](std::size_t line) -> std::optional<double> {
                         const auto truth = results.truthAt(line);
                         return truth ? truth->value : std::nullopt;
                     }};
}

class DoubleClickOpener : public QObject {
public:
    DoubleClickOpener(QWidget& heading, ResultsModel& results) : QObject(&heading), results_(results) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick)
            TableWindow::open(*static_cast<QWidget*>(watched)->window(), results_);
        return false;
    }

private:
    ResultsModel& results_;
};

} // namespace

TableWindow* TableWindow::open(QWidget& owner, ResultsModel& results)
{
    auto* window = owner.findChild<TableWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new TableWindow(results, &owner);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void TableWindow::openOnDoubleClick(QWidget& heading, ResultsModel& results)
{
    // A label has no double-click signal of its own; a filter is the toolkit's
    // way to hear one without making the design's label another class.
    heading.installEventFilter(new DoubleClickOpener(heading, results));
}

TableWindow::TableWindow(ResultsModel& results, QWidget* parent)
    : QWidget(parent, Qt::Window),
      results_(results),
      model_(new RunTableModel(results, this)),
      view_(new QTableView(this)),
      run_(new QLabel(this)),
      saver_(new FileSaver(this))
{
    setObjectName("TableWindow");
    setWindowTitle(tr("Results as a table"));

    view_->setObjectName("ResultsTable");
    view_->setModel(model_);
    view_->setAccessibleName(tr("Results"));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    // The rows are many and alike: one height for all, and no row numbers
    // beside the table's own i.
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view_->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    view_->horizontalHeader()->setToolTip(tr("Right-click for the stages k1, k2, …"));
    connect(view_->horizontalHeader(), &QWidget::customContextMenuRequested, this, &TableWindow::openHeaderMenu);
    connect(model_, &QAbstractItemModel::modelReset, this, &TableWindow::fitColumns);
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TableWindow::showRunOf);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { showRunOf(view_->currentIndex()); });

    run_->setObjectName("RunLabel");
    run_->setWordWrap(true);
    run_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* copy = new QPushButton(tr("&Copy"), this);
    copy->setObjectName("CopyTable");
    copy->setToolTip(tr("The selected rows, or all, as tab-separated columns"));
    auto* saveCsv = new QPushButton(tr("Save as CS&V…"), this);
    saveCsv->setObjectName("SaveCsv");
    auto* saveTsv = new QPushButton(tr("Save as &TSV…"), this);
    saveTsv->setObjectName("SaveTsv");
    auto* close = new QPushButton(tr("Close"), this);
    connect(copy, &QPushButton::clicked, this, &TableWindow::copy);
    connect(saveCsv, &QPushButton::clicked, this, [this] { save(','); });
    connect(saveTsv, &QPushButton::clicked, this, [this] { save('\t'); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* copyKeys = new QShortcut(QKeySequence::Copy, view_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(copyKeys, &QShortcut::activated, this, &TableWindow::copy);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    auto* guide = new QShortcut(QKeySequence::HelpContents, this);
    connect(guide, &QShortcut::activated, this, [this] { showGuide(*this, QStringLiteral("table")); });

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {copy, saveCsv, saveTsv})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(run_);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
    // Room for the seven columns with errors, within a 1024 x 768 screen.
    resize(900, 600);
    fitColumns();
    showRunOf({});
}

void TableWindow::fitColumns()
{
    // Widths from the widest text a column holds; measuring the cells
    // themselves would visit every row.
    const QFontMetrics metrics = view_->fontMetrics();
    const int pad = 2 * metrics.averageCharWidth() + 8;
    for (int column = 0; column < model_->columnCount(); ++column) {
        QString widest;
        switch (model_->kind(column)) {
        case RunTableModel::Column::Run: widest = QStringLiteral("0000"); break;
        case RunTableModel::Column::Pass: widest = QStringLiteral("0000000"); break;
        case RunTableModel::Column::X: widest = QStringLiteral("-00000.00000"); break;
        case RunTableModel::Column::Error:
        case RunTableModel::Column::RelativeError: widest = QStringLiteral("-0.00e-000"); break;
        default: widest = QStringLiteral("-0.00000000000000000e-000"); break;
        }
        const QString heading = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        view_->setColumnWidth(column, std::max(metrics.horizontalAdvance(widest), metrics.horizontalAdvance(heading)) + pad);
    }
}

void TableWindow::showRunOf(const QModelIndex& current)
{
    const ResultsTable& table = results_.table();
    if (table.runCount() == 0) {
        run_->setText(tr("No run is listed yet."));
        return;
    }
    const std::size_t line = current.isValid() ? static_cast<std::size_t>(current.row()) : 0;
    run_->setText(line < table.count() ? runDescription(table, table.runIndexOf(line)) : QString());
}

void TableWindow::openHeaderMenu(QPoint at)
{
    QMenu menu(this);
    menu.setObjectName("TableHeaderMenu");
    QAction* stages = menu.addAction(tr("Show stages k1 … k%1").arg(std::max(model_->stageCount(), 1)));
    stages->setCheckable(true);
    stages->setChecked(model_->showStages());
    addGuideEntry(menu, *this, QStringLiteral("table"));
    if (menu.exec(view_->horizontalHeader()->mapToGlobal(at)) == stages)
        model_->setShowStages(stages->isChecked());
}

QString TableWindow::selectionText() const
{
    std::vector<std::size_t> lines;
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    for (const QModelIndex& row : rows)
        lines.push_back(static_cast<std::size_t>(row.row()));
    std::sort(lines.begin(), lines.end());
    if (lines.empty())
        for (int row = 0; row < model_->rowCount(); ++row)
            lines.push_back(static_cast<std::size_t>(row));
    const auto truth = tidyTruth(results_);
    return tidyText(results_.table(), '\t', truth ? &*truth : nullptr, lines);
}

void TableWindow::copy() { QGuiApplication::clipboard()->setText(selectionText()); }

void TableWindow::save(char separator)
{
    const bool csv = separator == ',';
    const FileSaver::SaveRequest request =
        csv ? FileSaver::SaveRequest{tr("Save table as CSV"), FileSaver::inDocuments("rungekutta-table.csv"),
                                     tr("CSV files (*.csv)"), "csv"}
            : FileSaver::SaveRequest{tr("Save table as TSV"), FileSaver::inDocuments("rungekutta-table.tsv"),
                                     tr("TSV files (*.tsv)"), "tsv"};
    saver_->save(request, [this, separator](QIODevice& device) {
        const auto truth = tidyTruth(results_);
        return writeTidy(results_.table(), device, separator, truth ? &*truth : nullptr);
    });
}

} // namespace rk
