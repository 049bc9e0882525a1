// A person using the window at random: clicks, Tab, typing of any text,
// Enter. After every action the window must be alive and consistent.
//
// RK_RANDOM_ACTIONS sets how many actions (default 2,000), RK_RANDOM_SEED
// the generator's start (default fixed; "time" draws one). A failure names
// it and the action so that the run can be replayed; the digest printed at
// the end tells at a glance whether two runs played the same actions.

#include "tests/app/FormFixture.h"
#include "tests/ReferenceText.h"
#include "core/ValFromText.h"

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

namespace rk {
namespace {

std::uint64_t seedFromEnvironment()
{
    const char* text = std::getenv("RK_RANDOM_SEED");
    if (text && std::string(text) == "time")
        return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return text ? std::strtoull(text, nullptr, 10) : 20261208;
}

long actionsFromEnvironment()
{
    const char* text = std::getenv("RK_RANDOM_ACTIONS");
    return text ? std::strtol(text, nullptr, 10) : 2000;
}

// A person at the window: every draw of the generator decides what is done
// next, and goes into the digest.
class RandomUser {
public:
    RandomUser(Form1& window, std::uint64_t start) : form(window), seed(start), random(start) {}

    Form1& form;
    const std::uint64_t seed;
    std::mt19937_64 random;
    std::uint64_t digest = 14695981039346656037ull; // FNV-1a over every draw and text played
    std::size_t checkedLines = 0;
    long runs = 0, messages = 0, linesSeen = 0;
    // x1, y1 and x2 as the last Enter in their boxes confirmed them; never confirmed, 0.
    double x1 = 0, y1 = 0, x2 = 0;
    const QRegularExpression lineShape{"^-?[0-9]+\\.[0-9]{2}    -?[0-9]+\\.[0-9]{5}$"};

    void mix(std::uint64_t value)
    {
        digest = (digest ^ value) * 1099511628211ull;
    }

    int pick(int below)
    {
        const int drawn = std::uniform_int_distribution<int>(0, below - 1)(random);
        mix(static_cast<std::uint64_t>(drawn));
        return drawn;
    }


    QString randomNumberText()
    {
        static const char* extremes[] = {"1e308", "-1e308", "1e-320", "1e999", "-1e999", "1.7e308", "-0", "3.4e38",
                                         "2e38", "0.05", "1638.35", "40000"};
        switch (pick(4)) {
        case 0: return extremes[pick(std::size(extremes))];
        case 1: return QString::number(pick(4000) / 100.0 - 20.0);
        case 2: return QString::number(pick(41) - 20);
        default: return QString::number(pick(2000) / 1000.0, 'g', 4);
        }
    }

    QString randomText()
    {
        static const QString pieces[] = {"0", "1", "9", "-", "+", ".", "e", "E", "x", "abc", " ", "e-", "1e",
                                         QString::fromUtf8("０"), QString::fromUtf8("．"), QString::fromUtf8("－"),
                                         QString::fromUtf8("関数"), QString::fromUtf8("ｘ"), QString::fromUtf8("é"),
                                         QString::fromUtf8("\xF0\x9F\x98\x80"), "\t", "inf", "nan", "0x"};
        switch (pick(6)) {
        case 0: return randomNumberText();
        case 1: return randomNumberText() + pieces[pick(std::size(pieces))];
        case 2: return QString(2000 + pick(8000), QChar('0' + pick(10)));
        default: {
            QString text;
            for (int n = pick(8); n > 0; --n)
                text += pieces[pick(std::size(pieces))];
            return text;
        }
        }
    }

    QLineEdit* randomInputBox()
    {
        QLineEdit* boxes[] = {form.Text1, form.Text3, form.Text2};
        return boxes[pick(3)];
    }

    void clickCentre(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }

    void typeInto(QWidget* box)
    {
        clickCentre(box);
        if (auto* line = qobject_cast<QLineEdit*>(box); line && pick(2))
            line->selectAll(); // type over, as a person usually does
        const QString text = randomText();
        for (const QChar c : text)
            mix(c.unicode());
        typeText(box, text);
    }

    // Answers a message box a run may have raised; true when there was one.
    bool answerMessage()
    {
        auto* box = form.findChild<QMessageBox*>("RunMessage");
        if (!box)
            return false;
        EXPECT_FALSE(box->text().isEmpty());
        box->accept();
        QApplication::processEvents(); // lets the box delete itself
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        activate(form);
        return true;
    }

    void enterInFinalBox()
    {
        clickCentre(form.Text2);
        x2 = valFromText(form.Text2->text().toStdU16String());
        const std::size_t before = listedCount(form);
        QTest::keyClick(form.Text2, Qt::Key_Return);
        QApplication::processEvents();
        const std::size_t added = listedCount(form) - before;
        const bool messaged = answerMessage();
        ++runs;
        messages += messaged;
        linesSeen += static_cast<long>(added);

        const double n = (x2 - x1) / 0.05;
        if (!std::isfinite(x1) || !std::isfinite(x2) || n >= 1e6 || !std::isfinite(y1)) {
            EXPECT_EQ(added, 0u) << "a refused run lists nothing";
            EXPECT_TRUE(messaged) << "a refused run says why";
        } else if (n < 0) {
            EXPECT_EQ(added, 0u);
            EXPECT_TRUE(messaged) << "x2 left of x1 is said";
        } else {
            // The last line lies within a step before x2, never past it; a
            // run stopped by its numbers ends earlier still.
            const double last = x1 + static_cast<double>(added) * 0.05 - 0.05;
            const double slack = 1e-9 * std::max({1.0, std::fabs(x1), std::fabs(x2)});
            EXPECT_LE(last, x2 + slack);
            if (!messaged) {
                EXPECT_GT(last + 0.05, x2 - slack) << "a completed run ends a step short of x2 at most";
            }
            if (added > 0 && std::fabs(x1) < 1e15) {
                const std::string first(listedLine(form, before));
                EXPECT_EQ(first.substr(0, first.find(' ')), printfFixed(x1, 2));
            }
        }
    }

    void randomAction()
    {
        switch (pick(12)) {
        case 0: {
            // Anywhere in the list, entries or empty space.
            QWidget* viewport = form.List2->viewport();
            QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(pick(viewport->width()), pick(viewport->height())));
            break;
        }
        case 1: QTest::keyClick(form.List2, pick(2) ? Qt::Key_Down : Qt::Key_Up); break;
        case 2: clickCentre(form.Command1); break;
        case 3: clickCentre(form.Command3); break;
        case 4: clickCentre(randomInputBox()); break;
        case 5:
            if (QWidget* focus = QApplication::focusWidget())
                QTest::keyClick(focus, Qt::Key_Tab);
            break;
        case 6:
        case 7: typeInto(randomInputBox()); break;
        case 8:
            if (form.Text4->isVisible())
                typeInto(form.Text4);
            break;
        case 9: {
            QLineEdit* box = pick(2) ? form.Text1 : form.Text3;
            clickCentre(box);
            (box == form.Text1 ? x1 : y1) = valFromText(box->text().toStdU16String());
            QTest::keyClick(box, Qt::Key_Return);
            break;
        }
        default: enterInFinalBox(); break;
        }
        QApplication::processEvents();
        answerMessage();
        if (!QApplication::activeWindow())
            activate(form);
    }

    void checkNewLines()
    {
        if (listedCount(form) < checkedLines)
            checkedLines = 0; // Ready emptied the table
        for (; checkedLines < listedCount(form); ++checkedLines) {
            const std::string line = listedLine(form, checkedLines);
            // Values far beyond a plot's range have long integer parts; the shape still holds.
            ASSERT_TRUE(lineShape.match(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()))).hasMatch())
                << "line " << checkedLines << ": " << line;
        }
    }

    // Plays `actions` actions, checking after each; stops at the first fatal failure.
    void play(long actions)
    {
        for (long action = 0; action < actions; ++action) {
            SCOPED_TRACE(testing::Message() << "RK_RANDOM_SEED=" << seed << ", action " << action);
            randomAction();
            checkNewLines();
            ASSERT_TRUE(form.isVisible());
            if (::testing::Test::HasFatalFailure() || (::testing::Test::HasFailure() && action % 100 == 0))
                break;
            // Keep a long soak within bounds of memory: a person presses Ready now and then.
            if (listedCount(form) > 3'000'000)
                form.Command1->click();
        }
    }
};

using RandomUse = FormFixture;

TEST_F(RandomUse, SurvivesAndStaysConsistent)
{
    const long actions = actionsFromEnvironment();
    RandomUser user(form, seedFromEnvironment());
    std::printf("random use: %ld actions, RK_RANDOM_SEED=%llu\n", actions, static_cast<unsigned long long>(user.seed));
    user.play(actions);
    std::printf("random use: RK_RANDOM_SEED=%llu, digest %016llx: %ld runs, %ld with a message, %ld lines listed\n",
                static_cast<unsigned long long>(user.seed), static_cast<unsigned long long>(user.digest), user.runs,
                user.messages, user.linesSeen);
}

// The same start plays the same actions on a fresh window; another start, others.
TEST(RandomUseStart, DrivesTheActionsPlayed)
{
    const auto digestOf = [](std::uint64_t start) {
        Form1 form;
        startWindow(form);
        RandomUser user(form, start);
        user.play(40);
        return user.digest;
    };
    const std::uint64_t first = digestOf(1);
    EXPECT_EQ(digestOf(1), first);
    EXPECT_NE(digestOf(2), first);
}

} // namespace
} // namespace rk
