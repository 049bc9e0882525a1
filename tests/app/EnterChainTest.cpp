#include "tests/app/FormFixture.h"

#include <QClipboard>
#include <QLabel>

namespace rk {
namespace {

using EnterChainTest = FormFixture;

TEST_F(EnterChainTest, EnterStoresAndMovesAlong)
{
    control<QPushButton>("Command1")->click();
    EXPECT_EQ(focusName(), "Text1");
    typeAndEnter("0.5");
    EXPECT_EQ(focusName(), "Text3");
    typeAndEnter("2");
    EXPECT_EQ(focusName(), "Text2");
    typeAndEnter("0.5");
    EXPECT_EQ(focusName(), "Text2") << "the focus stays after the run";
    // The run from x1 to x2 = x1: one line, x1 and y1.
    EXPECT_EQ(listed(), std::vector<std::string>{"0.50    2.00000"});

    // Enter selects the next box's text, so that typing replaces it.
    control<QLineEdit>("Text1")->setFocus();
    typeAndEnter("");
    typeAndEnter("1");
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), "0.5") << "the earlier x2 is still there";
    typeAndEnter("0.6");
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), "0.6");
}

struct TextCase {
    const char* typed;
    const char* line; // x1 = x2 and y1 as typed, listed
    const char* hint; // the note below the box; empty when the text is a plain number
};

class EnterReadsNumbers : public EnterChainTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(EnterReadsNumbers, InEachBox)
{
    for (QLineEdit* box : {control<QLineEdit>("Text1"), control<QLineEdit>("Text3"), control<QLineEdit>("Text2")}) {
        box->setFocus();
        box->clear();
        typeAndEnter(QString::fromUtf8(GetParam().typed));
        // Still shown after Enter moved the focus on, and after the events that follow.
        auto* note = form.findChild<QLabel*>("HintBubble");
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(note->isVisible() ? note->text() : QString(), QString::fromUtf8(GetParam().hint))
            << box->objectName().toStdString();
    }
    EXPECT_EQ(listed(), std::vector<std::string>{GetParam().line});
}

INSTANTIATE_TEST_SUITE_P(Texts, EnterReadsNumbers, ::testing::Values(
    TextCase{"3.5abc", "3.50    3.50000", "Read as 3.5: only the leading number counts, so “abc” was left out."},
    TextCase{"", "0.00    0.00000", "Read as 0: the box is empty."},
    TextCase{"-2.5e1", "-25.00    -25.00000", ""},
    TextCase{"\xEF\xBC\x90\xEF\xBC\x8E\xEF\xBC\x92", "0.20    0.20000", ""}, // ０．２
    TextCase{"\xE2\x88\x92" "0.5 ", "-0.50    -0.50000", ""},              // a true minus sign
    TextCase{"0,5", "0.00    0.00000", "Read as 0: use a point, not a comma, for decimals; type 0.5."},
    TextCase{"1/2", "1.00    1.00000", "Read as 1: only the leading number counts; type 0.5."},
    TextCase{"pi", "0.00    0.00000", "Read as 0: names are not read in this box; type 3.141592653589793 for pi."},
    TextCase{"x2", "0.00    0.00000", "Read as 0: the text does not begin with a number."},
    TextCase{"0.10.5", "0.10    0.10000", "Read as 0.1: only the leading number counts, so “.5” was left out."}
));

TEST_F(EnterChainTest, LongPastedTextIsKeptWholeAndReadAsUsual)
{
    const QString pasted = "2.5" + QString(39'997, QChar('x'));
    QApplication::clipboard()->setText(pasted);
    for (QLineEdit* box : {control<QLineEdit>("Text1"), control<QLineEdit>("Text3"), control<QLineEdit>("Text2")}) {
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
    control<QLineEdit>("Text1")->setFocus();
    control<QLineEdit>("Text1")->setText("x1");
    QTest::keyClick(control<QLineEdit>("Text1"), Qt::Key_Return);
    EXPECT_EQ(focusName(), "Text3");
    control<QLineEdit>("Text3")->setText("y1");
    QTest::keyClick(control<QLineEdit>("Text3"), Qt::Key_Enter); // the keypad's Enter
    EXPECT_EQ(focusName(), "Text2");
    typeAndEnter("");
    EXPECT_EQ(listed(), std::vector<std::string>{"0.00    0.00000"});
}

TEST_F(EnterChainTest, NumberWithoutEnterIsNotUsed)
{
    clickEquation(2);
    control<QPushButton>("Command1")->click();
    typeAndEnter("0");
    typeAndEnter("1");
    // Typed, not confirmed: the run still starts from x1 = 0.
    control<QLineEdit>("Text1")->setText("5");
    control<QLineEdit>("Text2")->setFocus();
    typeAndEnter("0.05");
    EXPECT_EQ(listed(), (std::vector<std::string>{"0.00    1.00000", "0.05    1.10000"}));
}

TEST_F(EnterChainTest, OtherKeysEditAndStartNothing)
{
    control<QPushButton>("Command1")->click();
    QTest::keyClicks(control<QLineEdit>("Text1"), "12");
    QTest::keyClick(control<QLineEdit>("Text1"), Qt::Key_Backspace);
    QTest::keyClick(control<QLineEdit>("Text1"), Qt::Key_Tab);
    EXPECT_EQ(control<QLineEdit>("Text1")->text(), "1");
    EXPECT_EQ(listedCount(form), 0u);
    // The 1 was never confirmed: a run starts from x1 = 0.
    control<QLineEdit>("Text2")->setFocus();
    typeAndEnter("0");
    EXPECT_EQ(listed(), std::vector<std::string>{"0.00    0.00000"});
}

TEST_F(EnterChainTest, EnterInTheFinalBoxAloneRunsAgain)
{
    clickEquation(0);
    control<QLineEdit>("Text2")->setFocus();
    control<QLineEdit>("Text2")->clear();
    typeAndEnter("0");
    QTest::keyClick(control<QLineEdit>("Text2"), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(listed(), (std::vector<std::string>{"0.00    0.00000", "0.00    0.00000"}));
}

} // namespace
} // namespace rk
