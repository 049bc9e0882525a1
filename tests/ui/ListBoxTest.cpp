#include "ui/ListBox.h"

#include "solver/ResultsTable.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace rk {
namespace {

QString displayed(const ListBox& list, int row)
{
    return list.model()->data(list.model()->index(row, 0), Qt::DisplayRole).toString();
}

TEST(ListBox, AppendsInOrder)
{
    ListBox list;
    list.AddItem(std::string_view("0.00    1.00000"));
    list.AddItem(std::string_view("y' = sin(4x)"));
    list.AddItem(std::string_view("関数"));
    EXPECT_EQ(list.count(), 3u);
    EXPECT_EQ(list.item(1), "y' = sin(4x)");
    ASSERT_EQ(list.model()->rowCount(), 3);
    EXPECT_EQ(displayed(list, 0), "0.00    1.00000");
    EXPECT_EQ(displayed(list, 2), QString::fromUtf8("関数"));
}

TEST(ListBox, ClearEmptiesAndAppendsAgain)
{
    ListBox list;
    list.AddItem(std::string_view("a"));
    list.AddItem(std::string_view("b"));
    list.Clear();
    EXPECT_EQ(list.count(), 0u);
    EXPECT_EQ(list.model()->rowCount(), 0);
    list.Clear();
    list.AddItem(std::string_view("c"));
    ASSERT_EQ(list.model()->rowCount(), 1);
    EXPECT_EQ(displayed(list, 0), "c");
}

TEST(ListBox, ListIndexFollowsTheClickedItem)
{
    ListBox list;
    list.resize(200, 120);
    for (const char* text : {"one", "two", "three"})
        list.AddItem(std::string_view(text));
    list.show();
    QApplication::processEvents();
    EXPECT_EQ(list.ListIndex(), -1);

    QSignalSpy clicks(&list, &ListBox::Click);
    const QRect third = list.visualRect(list.model()->index(2, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(clicks.count(), 1);
}

// A results table's lines are shown once its appender is done, and the
// view asks only for the rows it shows.
TEST(ListBox, ShowsAMillionLinesOfATable)
{
    ListBox list;
    auto owned = std::make_unique<ResultsTable>();
    ResultsTable& table = *owned;
    list.setLines(std::move(owned));
    list.AddItem(std::string_view("ignored: not a list of texts"));
    table.beginRun(0, 0.0, 1'000'000);
    for (int i = 0; i < 1'000'000; ++i)
        table.append(1.0);
    EXPECT_EQ(list.model()->rowCount(), 0);
    list.linesAppended();
    EXPECT_EQ(list.model()->rowCount(), 1'000'000);
    EXPECT_EQ(displayed(list, 999'999), "49999.95    1.00000");
    list.Clear();
    EXPECT_EQ(table.count(), 0u);
    EXPECT_EQ(list.model()->rowCount(), 0);
}

} // namespace
} // namespace rk
