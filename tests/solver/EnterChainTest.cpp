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
    EXPECT_EQ(form.values().x1.doubleValue(), 0.5);
    EXPECT_EQ(focusName(), "Text3");
    typeAndEnter("2");
    EXPECT_EQ(form.values().y1.doubleValue(), 2.0);
    EXPECT_EQ(focusName(), "Text2");
    typeAndEnter("0.5");
    EXPECT_EQ(form.values().x2.doubleValue(), 0.5);
    EXPECT_EQ(focusName(), "Text2") << "the focus stays after the run";
    EXPECT_EQ(listedCount(form), 1u);
}

struct TextCase {
    const char* typed;
    double stored;
};

class EnterReadsNumbers : public EnterChainTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(EnterReadsNumbers, InEachBox)
{
    for (QLineEdit* box : {form.Text1, form.Text3, form.Text2}) {
        box->setFocus();
        box->clear();
        typeAndEnter(QString::fromUtf8(GetParam().typed));
    }
    EXPECT_EQ(form.values().x1.doubleValue(), GetParam().stored);
    EXPECT_EQ(form.values().y1.doubleValue(), GetParam().stored);
    EXPECT_EQ(form.values().x2.doubleValue(), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Texts, EnterReadsNumbers, ::testing::Values(
    TextCase{"3.5abc", 3.5},
    TextCase{"", 0},
    TextCase{"-2.5e1", -25},
    TextCase{"\xEF\xBC\x90\xEF\xBC\x8E\xEF\xBC\x92", 0.2} // ０．２
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
    EXPECT_EQ(form.values().x1.doubleValue(), 2.5);
    EXPECT_EQ(form.values().y1.doubleValue(), 2.5);
    EXPECT_EQ(form.values().x2.doubleValue(), 2.5);
}

TEST_F(EnterChainTest, DesignTextsReadAsZero)
{
    form.Text1->setFocus();
    QTest::keyClick(form.Text1, Qt::Key_Return);
    EXPECT_EQ(form.values().x1.kind(), Value::Kind::Double);
    EXPECT_EQ(form.values().x1.doubleValue(), 0.0);
    EXPECT_EQ(focusName(), "Text3");
    QTest::keyClick(form.Text3, Qt::Key_Enter); // the keypad's Enter
    EXPECT_EQ(form.values().y1.doubleValue(), 0.0);
    EXPECT_EQ(focusName(), "Text2");
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
    EXPECT_EQ(form.values().x1.doubleValue(), 0.0);
}

TEST_F(EnterChainTest, OtherKeysEditAndStartNothing)
{
    form.Command1->click();
    QTest::keyClicks(form.Text1, "12");
    QTest::keyClick(form.Text1, Qt::Key_Backspace);
    QTest::keyClick(form.Text1, Qt::Key_Tab);
    EXPECT_EQ(form.Text1->text(), "1");
    EXPECT_TRUE(form.values().x1.isEmpty());
    EXPECT_EQ(listedCount(form), 0u);
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
