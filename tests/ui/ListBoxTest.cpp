#include "ui/ListBox.h"

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

TEST(ListBox, AppendsInOrderAndShowsAfterTheEventLoop)
{
    ListBox list;
    list.AddItem(std::string_view("0.00    1.00000"));
    list.AddItem(QString::fromUtf8("y' = sin(4x)"));
    list.AddItem(std::string_view("関数"));
    EXPECT_EQ(list.count(), 3u);
    EXPECT_EQ(list.item(1), "y' = sin(4x)");
    QApplication::processEvents();
    ASSERT_EQ(list.model()->rowCount(), 3);
    EXPECT_EQ(displayed(list, 0), "0.00    1.00000");
    EXPECT_EQ(displayed(list, 2), QString::fromUtf8("関数"));
}

TEST(ListBox, ClearEmptiesEvenBeforeTheViewHeard)
{
    ListBox list;
    list.AddItem(std::string_view("a"));
    QApplication::processEvents();
    list.AddItem(std::string_view("b"));
    list.Clear();
    QApplication::processEvents();
    EXPECT_EQ(list.count(), 0u);
    EXPECT_EQ(list.model()->rowCount(), 0);
    list.Clear();
    list.AddItem(std::string_view("c"));
    QApplication::processEvents();
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

TEST(ListBox, MillionLinesStayCompact)
{
    ListBox list;
    for (int i = 0; i < 1'000'000; ++i)
        list.AddItem(std::string_view("49999.95    1.00000"));
    QApplication::processEvents();
    EXPECT_EQ(list.model()->rowCount(), 1'000'000);
    EXPECT_EQ(list.item(999'999), "49999.95    1.00000");
}

} // namespace
} // namespace rk
