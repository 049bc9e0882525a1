#include "app/OwnMethodDialog.h"

#include "tests/OwnMethods.h"
#include "tests/app/FormFixture.h"

#include <QAction>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace rk {
namespace {

// What the editor says as a tableau is typed: the first line of a verdict,
// or the whole refusal.
struct Said {
    const char* name;
    std::string text;
    std::string words;
};

class OwnMethodWords : public ::testing::TestWithParam<Said> {};

TEST_P(OwnMethodWords, AsTyped)
{
    const Said& want = GetParam();
    const std::u16string typed = utf16(want.text);
    const QString text = QString::fromStdU16String(typed);
    const auto result = readTableau(typed);
    const QString said = std::holds_alternative<Tableau>(result)
                             ? OwnMethodDialog::verdict(std::get<Tableau>(result)).split('\n').first()
                             : OwnMethodDialog::messageFor(std::get<TableauError>(result), text);
    EXPECT_EQ(said.toStdString(), want.words);
}

INSTANTIATE_TEST_SUITE_P(Tableaux, OwnMethodWords, ::testing::Values(
    Said{"ThreeEighths", test::kThreeEighthsRule, "order 4: all 8 conditions hold; order 5: 9 of 9 fail"},
    Said{"Ralston", test::kRalston, "order 2: all 2 conditions hold; order 3: 1 of 2 fail"},
    Said{"Kutta", test::kKuttaThird, "order 3: all 4 conditions hold; order 4: 2 of 4 fail"},
    Said{"Euler", "0 |\n| 1", "order 1: the weights sum to 1; order 2: its condition fails"},
    Said{"NineTenths", test::kWeightsNineTenths, "order 0: the weights sum to 0.9, not 1"},
    Said{"Word", "0 |\n1/2 | half\n| 0 1",
         "Line 2, entry 1: \"half\" is no number; write numbers or fractions such as 0.5, 1/3 or -1/3."},
    Said{"Diagonal", "0 |\n1 | 1 1\n| 1/2 1/2",
         "Line 2, entry 2: \"1\" lies on or above the diagonal of A, where only 0 may stand: a stage can use only "
         "the slopes before it."},
    Said{"SevenStages", "0 |\n1|1\n1|1\n1|1\n1|1\n1|1\n1|1\n| 1",
         "Line 7 would be stage 7: a method here has at most 6 stages."}
), [](const auto& info) { return std::string(info.param.name); });

TEST(OwnMethodWords, RowThatDoesNotSumToItsC)
{
    const auto t = std::get<Tableau>(readTableau(u"0 |\n1 | 1/2\n| 0 1"));
    EXPECT_TRUE(OwnMethodDialog::verdict(t).split('\n').last().startsWith("Row 2 of A sums to 1/2, not to c = 1:"));
}

class OwnMethodInTheWindow : public FormFixture {
protected:
    // The editor as "Own method…" opens it; one closed before may wait to be deleted.
    OwnMethodDialog* openEditor()
    {
        form.findChild<QAction*>("OwnMethod")->trigger();
        QApplication::processEvents();
        for (auto* dialog : form.findChildren<OwnMethodDialog*>())
            if (dialog->isVisible())
                return dialog;
        return nullptr;
    }
};

// Typed in List2's menu, the method is chosen for the next run, named in
// the heading and the method menu, and kept through Ready.
TEST_F(OwnMethodInTheWindow, TypedChosenAndKept)
{
    OwnMethodDialog* dialog = openEditor();
    ASSERT_NE(dialog, nullptr);
    auto* name = dialog->findChild<QLineEdit*>("OwnMethodName");
    auto* tableau = dialog->findChild<QPlainTextEdit*>("OwnMethodTableau");
    auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    const auto reading = [dialog] { return dialog->findChild<QLabel*>("OwnMethodReading")->text(); };
    EXPECT_FALSE(ok->isEnabled()) << "no name yet";
    EXPECT_TRUE(reading().startsWith("order 4: all 8 conditions hold")) << "the classical tableau to start from";
    tableau->setPlainText(QString::fromStdString(test::kThreeEighthsRule).replace("3/8 1/8", "3/8 x"));
    EXPECT_TRUE(reading().startsWith("Line 6, entry 4:")) << reading().toStdString();
    tableau->setPlainText(QString::fromStdString(test::kThreeEighthsRule));
    typeText(name, "3/8 rule");
    ASSERT_TRUE(ok->isEnabled());
    QTest::keyClick(name, Qt::Key_Return);
    QApplication::processEvents();
    reactivate();

    const QString heading = "3/8 rule (own method), h = 0.05";
    EXPECT_EQ(control<QLabel>(form, "Label6")->text(), heading);
    auto* chosen = form.findChild<QAction*>("MethodOwn");
    EXPECT_TRUE(chosen->isVisible() && chosen->isChecked());
    EXPECT_EQ(chosen->text(), "3/8 rule");
    clickEquation(0);
    control<QPushButton>(form, "Command1")->click();
    EXPECT_EQ(control<QLabel>(form, "Label6")->text(), heading) << "Ready keeps the method";
    for (const char* text : {"0", "1", "1"})
        typeAndEnter(text);
    EXPECT_EQ(listed().back(), "1.00    0.36788");
    const QString explained = control<QListView>(form, "List1")->model()->index(0, 0).data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(explained.contains("\nk3 = f(x + 2h/3, y + (−k1 + 3·k2)·h/3) = ")) << explained.toStdString();

    dialog = openEditor();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QLineEdit*>("OwnMethodName")->text(), "3/8 rule");
    EXPECT_EQ(dialog->findChild<QPlainTextEdit*>("OwnMethodTableau")->toPlainText().toStdString(),
              test::kThreeEighthsRule);
    dialog->reject();
}

} // namespace
} // namespace rk
