#include "widgets/ResultsModel.h"

#include "core/Solve.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QThreadPool>

#include <regex>
#include <string>
#include <variant>

namespace rk {
namespace {

struct NoPicture : PointSink {
    void PSet(float, float, PointKind) override {}
};

// Runs as the window makes them, then tells the model.
void run(ResultsModel& model, FormValues form, const char16_t* typed = nullptr)
{
    if (typed) {
        form.eqNo = kOwnEquation;
        const std::u16string text(typed);
        form.own = std::make_shared<const TypedEquation>(
            TypedEquation{std::string(text.begin(), text.end()), std::get<OwnEquation>(OwnEquation::read(text))});
    }
    NoPicture picture;
    Solve(form, picture, model.table());
    model.publishAppended();
}

std::string shown(const ResultsModel& model, int row, int role = Qt::DisplayRole)
{
    return model.index(row).data(role).toString().toStdString();
}

struct Row {
    const char* name;
    FormValues form;
    const char16_t* typed;
    int row;
    const char* plain;   // errors off
    const char* made;    // errors on, once the truth is in: a pattern
    const char* tipEnd;  // of the explanation once the truth is in: a pattern
    bool computed;       // whether the truth comes from a worker
    const char* heading; // of the truth's column in a copy
};

class ResultsModelRows : public ::testing::TestWithParam<Row> {};

// A row lists x and y, with its error when asked; a truth made on a worker
// shows "computing…" until it is in, and then the rows of its run change.
TEST_P(ResultsModelRows, ListedWithTheirTruth)
{
    const Row& want = GetParam();
    ResultsModel model;
    run(model, want.form, want.typed);
    EXPECT_EQ(shown(model, want.row), want.plain);
    EXPECT_EQ(model.truthHeading(), want.heading);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setShowErrors(true);
    ASSERT_EQ(changed.size(), 1) << "every row gains its error";
    EXPECT_EQ(model.computing(static_cast<std::size_t>(want.row)), want.computed);
    if (want.computed) {
        EXPECT_EQ(shown(model, want.row), std::string(want.plain) + "    computing…");
        EXPECT_TRUE(shown(model, want.row, Qt::ToolTipRole).ends_with("\ncomputing…"));
        EXPECT_FALSE(model.truthAt(static_cast<std::size_t>(want.row)).has_value());
        QSignalSpy made(&model, &ResultsModel::referenceMade);
        ASSERT_TRUE(made.wait(60'000));
        ASSERT_EQ(changed.size(), 2);
        EXPECT_EQ(changed.last().at(0).toModelIndex().row(), 0);
        EXPECT_EQ(changed.last().at(1).toModelIndex().row(), model.rowCount() - 1);
    }
    EXPECT_FALSE(model.computing(static_cast<std::size_t>(want.row)));
    const std::string line = shown(model, want.row), tip = shown(model, want.row, Qt::ToolTipRole);
    EXPECT_TRUE(std::regex_search(line, std::regex(want.made))) << line;
    EXPECT_TRUE(std::regex_search(tip, std::regex(std::string(want.tipEnd) + "$"))) << tip;
    model.setShowErrors(false);
    EXPECT_EQ(shown(model, want.row), want.plain) << "off, as before";
}

INSTANTIATE_TEST_SUITE_P(Runs, ResultsModelRows, ::testing::Values(
    Row{"exact", {1, 0, 1, 1}, nullptr, 20, "1.00    0.36788", "^1\\.00    0\\.36788    2\\.00e-08$",
        "\nexact: y = 1·e\\^\\(−\\(x − 0\\)\\)\ny\\(x\\) = 0\\.367879441171\n"
        "error y − y\\(x\\) = 2\\.00e-08, relative error 5\\.43e-08",
        false, "exact"},
    Row{"noneChosen", {0, 0, 1, 0.1}, nullptr, 2, "0.10    1.00000", "^0\\.10    1\\.00000    —$",
        "so the passes are i = 0 … 2 and the run ends at x2\\.", false, "reference"},
    Row{"computed", {6, 0, 1, 1}, nullptr, 20, "1.00    0.34498", "^1\\.00    0\\.34498    4\\.05e-09$",
        "\nreference: computed to about 1e-12\ny\\(x\\) = 0\\.3449770368\\d*\n"
        "error y − y\\(x\\) = 4\\.05e-09, relative error 1\\.17e-08",
        true, "reference"},
    // Measured against its own reference even where the list's equation has a closed form.
    Row{"typed", {0, 0, 1, 0.5}, u"x - y", 10, "0.50    0.71306", "^0\\.50    0\\.71306    3\\.29e-08$",
        "\nreference: computed to about 1e-12\ny\\(x\\) = 0\\.7130613\\d*\n"
        "error y − y\\(x\\) = 3\\.29e-08, relative error 4\\.62e-08",
        true, "reference"},
    // Past a pole the reference stops; its rows say why, and list a dash.
    Row{"pastAPole", {0, 0, 1, 1.2}, u"y^2", 21, "1.05    2020342430148.52515", "^1\\.05    2020342430148\\.52515    —$",
        "\nNo value here: the solution leaves the range of numbers before x = 1\\.05,\nas it does near a pole\\.", true,
        "reference"}
), [](const auto& info) { return std::string(info.param.name); });

// Each run's reference in turn, and each only once; Ready drops the work
// being done at once rather than waiting for it.
TEST(ResultsModel, ReferencesQueueAndReadyDropsThem)
{
    ResultsModel model;
    QSignalSpy made(&model, &ResultsModel::referenceMade);
    run(model, {6, 0, 1, 1});
    run(model, {1, 0, 1, 1});
    run(model, {0, 0, 1, 1}, u"x/2 -sin(x+y)");
    model.waitForReferences();
    EXPECT_EQ(made.size(), 2) << "the closed form needs none";
    for (const int row : {0, 20, 21, 41, 42, 62})
        EXPECT_TRUE(model.truthAt(static_cast<std::size_t>(row)).value().value.has_value()) << row;
    // Equation 6 typed is equation 6: the same reference.
    EXPECT_EQ(model.truthAt(20)->value, model.truthAt(62)->value);

    // A million rows at some hundred slopes each: seconds of work, unless dropped.
    run(model, {6, 0, 1, 49'999});
    EXPECT_TRUE(model.computing(model.table().count() - 1));
    model.clear();
    EXPECT_TRUE(QThreadPool::globalInstance()->waitForDone(5'000)) << "the worker stops when Ready comes";
    QCoreApplication::processEvents();
    EXPECT_EQ(made.size(), 2);
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
} // namespace rk
