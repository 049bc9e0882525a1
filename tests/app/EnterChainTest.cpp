#include "tests/app/FormFixture.h"

#include <QClipboard>

namespace rk {
namespace {

using EnterChainTest = FormFixture;

TEST_F(EnterChainTest, EnterStoresAndMovesAlong)
{
    form.Command1->click();
    EXPECT_EQ(focusName(), "Text1");
    typeAndEnter("0.5");
    EXPECT_EQ(focusName(), "Text3");
    typeAndEnter("2");
    EXPECT_EQ(focusName(), "Text2");
    typeAndEnter("0.5");
    EXPECT_EQ(focusName(), "Text2") << "the focus stays after the run";
    // The run from x1 to x2 = x1: one line, x1 and y1.
    EXPECT_EQ(listed(), std::vector<std::string>{"0.50    2.00000"});
}

struct TextCase {
    const char* typed;
    const char* line; // x1 = x2 and y1 as typed, listed
};

class EnterReadsNumbers : public EnterChainTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(EnterReadsNumbers, InEachBox)
{
    for (QLineEdit* box : {form.Text1, form.Text3, form.Text2}) {
        box->setFocus();
        box->clear();
        typeAndEnter(QString::fromUtf8(GetParam().typed));
    }
    EXPECT_EQ(listed(), std::vector<std::string>{GetParam().line});
}

INSTANTIATE_TEST_SUITE_P(Texts, EnterReadsNumbers, ::testing::Values(
    TextCase{"3.5abc", "3.50    3.50000"},
    TextCase{"", "0.00    0.00000"},
    TextCase{"-2.5e1", "-25.00    -25.00000"},
    TextCase{"\xEF\xBC\x90\xEF\xBC\x8E\xEF\xBC\x92", "0.20    0.20000"} // ０．２
));

TEST_F(EnterChainTest, LongPastedTextIsKeptWholeAndReadAsUsual)
{
    const QString pasted = "2.5" + QString(39'997, QChar('x'));
    QApplication::clipboard()->setText(pasted);
    for (QLineEdit* box : {form.Text1, form.Text3, form.Text2}) {
        box->setFocus();
        box->clear();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->text(), pasted) << box->objectName().toStdString();
        QTest::keyClick(box, Qt::Key_Return);
    }
    EXPECT_EQ(listed(), std::vector<std::string>{"2.50    2.50000"});
}

TEST_F(EnterChainTest, DesignTextsReadAsZero)
{
    form.Text1->setFocus();
    form.Text1->setText("x1");
    QTest::keyClick(form.Text1, Qt::Key_Return);
    EXPECT_EQ(focusName(), "Text3");
    form.Text3->setText("y1");
    QTest::keyClick(form.Text3, Qt::Key_Enter); // the keypad's Enter
    EXPECT_EQ(focusName(), "Text2");
    typeAndEnter("");
    EXPECT_EQ(listed(), std::vector<std::string>{"0.00    0.00000"});
}

TEST_F(EnterChainTest, NumberWithoutEnterIsNotUsed)
{
    clickEquation(2);
    form.Command1->click();
    typeAndEnter("0");
    typeAndEnter("1");
    // Typed, not confirmed: the run still starts from x1 = 0.
    form.Text1->setText("5");
    form.Text2->setFocus();
    typeAndEnter("0.05");
    EXPECT_EQ(listed(), (std::vector<std::string>{"0.00    1.00000", "0.05    1.10000"}));
}

TEST_F(EnterChainTest, OtherKeysEditAndStartNothing)
{
    form.Command1->click();
    QTest::keyClicks(form.Text1, "12");
    QTest::keyClick(form.Text1, Qt::Key_Backspace);
    QTest::keyClick(form.Text1, Qt::Key_Tab);
    EXPECT_EQ(form.Text1->text(), "1");
    EXPECT_EQ(listedCount(form), 0u);
    // The 1 was never confirmed: a run starts from x1 = 0.
    form.Text2->setFocus();
    typeAndEnter("0");
    EXPECT_EQ(listed(), std::vector<std::string>{"0.00    0.00000"});
}

TEST_F(EnterChainTest, EnterInTheFinalBoxAloneRunsAgain)
{
    clickEquation(0);
    form.Text2->setFocus();
    form.Text2->clear();
    typeAndEnter("0");
    QTest::keyClick(form.Text2, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(listed(), (std::vector<std::string>{"0.00    0.00000", "0.00    0.00000"}));
}

} // namespace
} // namespace rk
