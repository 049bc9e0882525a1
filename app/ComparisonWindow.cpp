#include "app/ComparisonWindow.h"

#include "app/FileSaver.h"
#include "widgets/ComparisonChartLoader.h"
#include "widgets/ComparisonTableModel.h"
#include "widgets/ComparisonWords.h"
#include "widgets/LeadingColumns.h"
#include "widgets/MessageNumbers.h"
#include "widgets/QtText.h"
#include "widgets/TableExport.h"
#include "widgets/TitledImage.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageWriter>
#include <QLabel>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace rk {
namespace {

// Doublings above 0.4 and halvings below 0.00625 a learner may add: up to
// h = 25.6, past the stability limits of every method on y' = -y, and down
// to about 1.5e-6, where rounding has long taken over and the spans of the
// six equations still fit in the million steps a row may take.
constexpr int kMostLarger = 6, kMostSmaller = 12;

// Below this a comparison is done before a progress bar could be read.
constexpr int kProgressDelayMs = 150;

} // namespace

ComparisonWindow::Setup ComparisonWindow::setupFrom(const FormValues& values, const QString& selectedText)
{
    Setup setup;
    const bool chosen = values.eqNo >= 1 && (values.eqNo != kOwnEquation || values.own);
    setup.chosen = chosen;
    setup.problem.equation = chosen ? Equation{values.eqNo, values.eqNo == kOwnEquation ? values.own : nullptr}
                                    : Equation{1, nullptr};
    setup.equationText = chosen ? selectedText : toQString(kEquationTexts.front());
    setup.problem.ownMethod = values.ownMethod; // compared whichever method the next run uses
    const bool nothingConfirmed = values.x1 == 0 && values.y1 == 0 && values.x2 == 0;
    if (nothingConfirmed)
        return setup; // (0, 1) to 1, the problem's defaults
    setup.problem.x1 = values.x1;
    setup.problem.y1 = values.y1;
    setup.problem.x2 = values.x2 > values.x1 ? values.x2 : values.x1 + 1;
    return setup;
}

ComparisonWindow& ComparisonWindow::showOver(QWidget& owner, const Setup& setup)
{
    auto* window = owner.findChild<ComparisonWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window)
        window->setSetup(setup);
    else
        window = new ComparisonWindow(setup, &owner);
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

ComparisonWindow::ComparisonWindow(const Setup& setup, QWidget* parent)
    : QWidget(parent, Qt::Window),
      setup_(setup),
      problem_(new QLabel(this)),
      choice_(new QLabel(this)),
      range_(new QLabel(this)),
      largerButton_(new QPushButton(tr("&Larger h"), this)),
      smallerButton_(new QPushButton(tr("&Smaller h"), this)),
      progress_(new QProgressBar(this)),
      cancelButton_(new QPushButton(tr("&Cancel"), this)),
      view_(new QTableView(this)),
      model_(new ComparisonTableModel(this)),
      chart_(nullptr),
      sentence_(new QLabel(this)),
      saver_(new FileSaver(this))
{
    setObjectName("ComparisonWindow");
    setWindowTitle(tr("Compare steps and methods"));
    // Closed, it stays, hidden, for the menu to show again with a new problem.

    problem_->setObjectName("Problem");
    choice_->setObjectName("Choice");
    choice_->setWordWrap(true);
    largerButton_->setToolTip(tr("Add a step twice the largest"));
    smallerButton_->setToolTip(tr("Add a step half the smallest"));
    connect(largerButton_, &QPushButton::clicked, this, [this] { widen(1, 0); });
    connect(smallerButton_, &QPushButton::clicked, this, [this] { widen(0, 1); });
    progress_->setAccessibleName(tr("Progress of the comparison"));
    progress_->hide();
    cancelButton_->setObjectName("CancelComparison");
    cancelButton_->hide();
    connect(cancelButton_, &QPushButton::clicked, this, &ComparisonWindow::cancel);

    view_->setModel(model_);
    view_->setObjectName("ComparisonTable");
    view_->setAccessibleName(tr("Errors at the end point"));
    view_->setAccessibleDescription(tr("One row per method and step h: the steps taken, y at the end point, its "
                                       "error, how much halving h divided the error by, and the order that shows"));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view_->horizontalHeader()->setStretchLastSection(true);
    QString whyNoChart;
    chart_ = ComparisonChartLoader::create(this, whyNoChart);
    chartLoaded_ = chart_ != nullptr;
    if (!chartLoaded_) {
        auto* missing = new QLabel(tr("The chart could not be loaded: %1").arg(whyNoChart), this);
        missing->setWordWrap(true);
        chart_ = missing;
    }
    chart_->setObjectName("ComparisonChart");
    chart_->setAccessibleName(tr("Chart of the errors"));
    chart_->setAccessibleDescription(
        tr("The size of the error against h on logarithmic axes, one line per method, with guide lines of slope 1, "
           "2 and 4"));
    sentence_->setObjectName("Sentence");
    sentence_->setWordWrap(true);
    sentence_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    sentence_->setAccessibleName(tr("What the rows show"));

    auto* copy = new QPushButton(tr("C&opy table"), this);
    auto* saveTsv = new QPushButton(tr("Save table as &TSV…"), this);
    auto* saveCsv = new QPushButton(tr("Save table as CS&V…"), this);
    auto* savePng = new QPushButton(tr("Save chart as &PNG…"), this);
    auto* close = new QPushButton(tr("Close"), this);
    copy->setObjectName("CopyComparison");
    savePng->setObjectName("SaveChart");
    connect(copy, &QPushButton::clicked, this, &ComparisonWindow::copyTable);
    connect(saveTsv, &QPushButton::clicked, this, [this] { saveTable('\t'); });
    connect(saveCsv, &QPushButton::clicked, this, [this] { saveTable(','); });
    connect(savePng, &QPushButton::clicked, this, &ComparisonWindow::saveChart);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* steps = new QHBoxLayout;
    steps->addWidget(range_, 1);
    steps->addWidget(largerButton_);
    steps->addWidget(smallerButton_);
    auto* working = new QHBoxLayout;
    working->addWidget(progress_, 1);
    working->addWidget(cancelButton_);
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(view_);
    split->addWidget(chart_);
    setTabOrder(view_, chart_); // made after the sentence, read before it
    split->setChildrenCollapsible(false);
    split->setSizes({520, 640});
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {copy, saveTsv, saveCsv, savePng})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(problem_);
    layout->addWidget(choice_);
    layout->addLayout(steps);
    layout->addLayout(working);
    layout->addWidget(split, 1);
    layout->addWidget(sentence_);
    layout->addLayout(buttons);
    resize(1200, 720);

    setSetup(setup);
}

ComparisonWindow::~ComparisonWindow()
{
    cancel();
    if (watcher_)
        watcher_->waitForFinished();
}

void ComparisonWindow::setSetup(const Setup& setup)
{
    setup_ = setup;
    const ComparisonProblem& p = setup.problem;
    problem_->setText(ComparisonWords::problem(setup.equationText, p.x1, p.y1, p.x2));
    choice_->setText(tr("No equation is selected in the list, so this compares the first."));
    choice_->setVisible(!setup.chosen);
    start();
}

bool ComparisonWindow::busy() const { return busy_; }

void ComparisonWindow::cancel()
{
    if (cancel_)
        *cancel_ = true;
}

void ComparisonWindow::closeEvent(QCloseEvent* event)
{
    cancel();
    event->accept();
}

void ComparisonWindow::widen(int larger, int smaller)
{
    larger_ = std::min(larger_ + larger, kMostLarger);
    smaller_ = std::min(smaller_ + smaller, kMostSmaller);
    start();
}

void ComparisonWindow::start()
{
    // A comparison still at work is of steps no longer asked for.
    cancel();
    if (watcher_) {
        watcher_->disconnect();
        watcher_->deleteLater();
    }
    const std::vector<double> steps = comparisonSteps(larger_, smaller_);
    range_->setText(tr("Steps h from %1 to %2, each half the one before")
                        .arg(ComparisonWords::step(steps.front()), ComparisonWords::step(steps.back())));
    largerButton_->setEnabled(larger_ < kMostLarger);
    smallerButton_->setEnabled(smaller_ < kMostSmaller);

    cancel_ = std::make_shared<std::atomic<bool>>(false);
    busy_ = true;
    watcher_ = new QFutureWatcher<Comparison>(this);
    connect(watcher_, &QFutureWatcher<Comparison>::progressRangeChanged, progress_, &QProgressBar::setRange);
    connect(watcher_, &QFutureWatcher<Comparison>::progressValueChanged, progress_, &QProgressBar::setValue);
    connect(watcher_, &QFutureWatcher<Comparison>::finished, this, [this] {
        progress_->hide();
        cancelButton_->hide();
        present(watcher_->result());
    });
    // The bar and Cancel appear only for a comparison that takes long enough to watch.
    QTimer::singleShot(kProgressDelayMs, watcher_, [this] {
        if (!busy())
            return;
        progress_->show();
        cancelButton_->show();
    });
    progress_->setValue(0);
    watcher_->setFuture(QtConcurrent::run(
        [problem = setup_.problem, steps, cancel = cancel_](QPromise<Comparison>& promise) {
            WorkControl control{cancel.get(), [&promise](std::int64_t done, std::int64_t total) {
                                          promise.setProgressRange(0, static_cast<int>(total));
                                          promise.setProgressValue(static_cast<int>(done));
                                      }};
            promise.addResult(compare(problem, steps, control));
        }));
}

void ComparisonWindow::present(const Comparison& comparison)
{
    busy_ = false;
    comparison_ = comparison;
    model_->setComparison(comparison);
    view_->resizeColumnsToContents();
    if (chartLoaded_)
        ComparisonChartLoader::show(chart_, comparison);
    if (comparison.cancelled)
        sentence_->setText(tr("Cancelled: the table shows the rows done before."));
    else
        sentence_->setText(ComparisonWords::summary(comparison, setup_.problem.x2).join('\n'));
    sentence_->setAccessibleDescription(sentence_->text());
    emit computed();
}

// Tidy: every row names the problem it solved, in the columns in front.
std::unique_ptr<QAbstractItemModel> ComparisonWindow::tidyTable() const
{
    const ComparisonProblem& p = setup_.problem;
    return std::make_unique<LeadingColumns>(
        *model_, QList<QPair<QString, QString>>{{tr("equation"), setup_.equationText},
                                                {QStringLiteral("x1"), shortest(p.x1)},
                                                {QStringLiteral("y1"), shortest(p.y1)},
                                                {QStringLiteral("x2"), shortest(p.x2)}});
}

void ComparisonWindow::copyTable() { QGuiApplication::clipboard()->setText(modelText(*tidyTable(), '\t')); }

void ComparisonWindow::saveTable(char separator)
{
    const bool csv = separator == ',';
    const FileSaver::SaveRequest request =
        csv ? FileSaver::SaveRequest{tr("Save table as CSV"), FileSaver::inDocuments("comparison.csv"),
                                     tr("CSV files (*.csv)"), "csv"}
            : FileSaver::SaveRequest{tr("Save table as TSV"), FileSaver::inDocuments("comparison.tsv"),
                                     tr("TSV files (*.tsv)"), "tsv"};
    saver_->save(request, [this, separator](QIODevice& device) { return writeModelText(*tidyTable(), device, separator); });
}

void ComparisonWindow::saveChart()
{
    // What is shown when the user asked.
    const QImage image = titledImage(chart_->grab().toImage(), problem_->text(), font());
    saver_->save({tr("Save chart as PNG"), FileSaver::inDocuments("comparison.png"), tr("PNG images (*.png)"), "png"},
                 [&image](QIODevice& device) { return QImageWriter(&device, "png").write(image); });
}

} // namespace rk
