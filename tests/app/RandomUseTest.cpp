// A person using the window at random: clicks, Tab, typing of any text,
// Enter, the menus of the lists and the plot, the own equation's editor.
// After every action the window must be alive and consistent.
//
// RK_RANDOM_ACTIONS sets how many actions (default 2,000), RK_RANDOM_SEED
// the generator's start (default fixed; "time" draws one). A failure names
// it and the action so that the run can be replayed; the digest printed at
// the end tells at a glance whether two runs played the same actions.

#include "tests/app/FormFixture.h"
#include "tests/ReferenceText.h"
#include "app/FileSaver.h"
#include "app/Guide.h"
#include "app/TableWindow.h"
#include "app/StepDialog.h"
#include "core/ResultsTable.h"
#include "core/ValFromText.h"
#include "widgets/Colours.h"
#include "widgets/ListBox.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTableView>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iterator>
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

// A tooltip never wraps: a longer line runs off a small screen.
constexpr qsizetype kLongestTipLine = 100;
// Tables longer than this are not copied or saved, to keep a soak's steps short.
constexpr std::size_t kLargestExport = 20'000;

// A person at the window: every draw of the generator decides what is done
// next, and goes into the digest.
class RandomUser {
public:
    RandomUser(Form1& window, std::uint64_t start) : form(window), seed(start), random(start)
    {
        form.findChild<FileSaver*>()->setPathChooser([this](QWidget*, const FileSaver::SaveRequest&) {
            ++saveDialogs;
            return savePath;
        });
    }

    Form1& form;
    // The controls played with, found by their names.
    PictureBox* const Picture1 = control<PictureBox>(form, "Picture1");
    QListView* const List1 = control<QListView>(form, "List1");
    QListWidget* const List2 = control<QListWidget>(form, "List2");
    QLineEdit* const Text1 = control<QLineEdit>(form, "Text1");
    QLineEdit* const Text2 = control<QLineEdit>(form, "Text2");
    QLineEdit* const Text3 = control<QLineEdit>(form, "Text3");
    QPlainTextEdit* const Text4 = control<QPlainTextEdit>(form, "Text4");
    QLabel* const Label6 = control<QLabel>(form, "Label6");
    QPushButton* const Command1 = control<QPushButton>(form, "Command1");
    QPushButton* const Command3 = control<QPushButton>(form, "Command3");
    const std::uint64_t seed;
    std::mt19937_64 random;
    std::uint64_t digest = 14695981039346656037ull; // FNV-1a over every draw and text played
    std::size_t checkedLines = 0;
    long runs = 0, messages = 0, linesSeen = 0;
    long edits = 0, ownEquationsTaken = 0, copies = 0, saves = 0, fieldSwitches = 0, saveDialogs = 0;
    long stepsAndMethods = 0;
    // x1, y1 and x2 as the last Enter in their boxes confirmed them; never confirmed, 0.
    double x1 = 0, y1 = 0, x2 = 0;
    double h = 0.05;     // the step of the next run, as chosen in List2's menu
    bool designs = true; // Runge-Kutta at 0.05, as at the start
    int method = 3;      // the methods' menu's entry checked
    const QRegularExpression lineShape{"^-?[0-9]+\\.[0-9]{2,10}    -?[0-9]+\\.[0-9]{5}$"};
    const QRegularExpression plainNumber{"^-?[0-9]+(\\.[0-9]+)?$"};
    // The own equation as last taken with OK; empty before.
    QString ownText;
    // Where the save dialog's answer puts the next file; empty cancels it.
    QString savePath;
    QTemporaryDir folder;
    // The runs listed since the table was last emptied: each one's first
    // row and the equation selected for it, empty when none was.
    struct RunStart {
        std::size_t row;
        QString equation;
    };
    std::vector<RunStart> runStarts;

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

    // Texts for the own equation's editor: some whose reading is known, and
    // short runs of pieces that may or may not read.
    struct KnownEquation {
        const char* text;
        bool reads;
    };
    static constexpr KnownEquation kKnownEquations[] = {
        {"x - y", true},   {"xcos(4x) -y", true}, {"y^2", true},    {"sqrt(-1-y^2)", true}, {"  -y ", true},
        {"ｘ－ｙ", true},  {"x +", false},        {"foo(x)", false}, {"3..5", false},        {"", false},
        {"(x + 1", false}, {"1e999", false},      {"sin x", false},
    };

    QStringList randomEquationPieces()
    {
        static const QString pieces[] = {"x", "y", "+", "-", "*", "/", "^", "(", ")", "sin(", "cos", "sqrt(", "exp(",
                                         "ln", "abs", "pi", "e", "2", "0.5", "4", " ", ".", "..", "1e999", "foo",
                                         QString::fromUtf8("ｘ"), QString::fromUtf8("−"), QString::fromUtf8("·"),
                                         QString::fromUtf8("関数")};
        QStringList chosen;
        for (int n = 1 + pick(6); n > 0; --n)
            chosen << pieces[pick(std::size(pieces))];
        return chosen;
    }

    Way randomWay() { return static_cast<Way>(pick(3)); }

    QPoint randomPointIn(const QWidget* area)
    {
        return QPoint(pick(std::max(1, area->width())), pick(std::max(1, area->height())));
    }

    QLineEdit* randomInputBox()
    {
        QLineEdit* boxes[] = {Text1, Text3, Text2};
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

    // Lets closed windows that delete themselves go, as the event loop would.
    static void flushDeletes()
    {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Answers a message box a run may have raised; true when there was one.
    bool answerMessage()
    {
        auto* box = form.findChild<QMessageBox*>("RunMessage");
        if (!box)
            return false;
        EXPECT_FALSE(box->text().isEmpty());
        box->accept();
        flushDeletes();
        activate(form);
        return true;
    }

    // After Enter in a box, its note says what the text was read as, or is not shown.
    void checkNote(const QString& text)
    {
        auto* note = form.findChild<QLabel*>("HintBubble");
        ASSERT_NE(note, nullptr);
        if (note->isVisible()) {
            EXPECT_TRUE(note->text().startsWith("Read as ")) << note->text().left(200).toStdString();
        }
        if (text.isEmpty()) {
            EXPECT_TRUE(note->isVisible()) << "an empty box is read as 0, and says so";
        } else if (plainNumber.match(text).hasMatch()) {
            EXPECT_FALSE(note->isVisible()) << "a plain number needs no note: " << text.left(40).toStdString();
        }
    }

    // The equation a run uses, as List2 shows it selected; empty when none is.
    QString selectedEquation() const
    {
        const QList<QListWidgetItem*> selected = List2->selectedItems();
        return selected.isEmpty() ? QString() : selected.first()->text();
    }

    // A row's explanation names its own run's equation, whatever was
    // selected or typed since, in lines a tooltip shows whole.
    void checkExplanation(std::size_t row)
    {
        SCOPED_TRACE(testing::Message() << "explanation of row " << row);
        const auto after = std::upper_bound(runStarts.begin(), runStarts.end(), row,
                                            [](std::size_t r, const RunStart& start) { return r < start.row; });
        ASSERT_NE(after, runStarts.begin()) << "a row listed by no run played";
        const QString& equation = std::prev(after)->equation;
        const QString shown = List1->model()->index(static_cast<int>(row), 0).data(Qt::ToolTipRole).toString();
        if (equation.isEmpty()) {
            EXPECT_TRUE(shown.startsWith("No equation was selected for this run")) << shown.toStdString();
        } else {
            EXPECT_TRUE(shown.startsWith(equation + '\n')) << "run of " << equation.toStdString() << ": "
                                                            << shown.toStdString();
        }
        for (const QString& line : shown.split('\n'))
            EXPECT_LE(line.size(), kLongestTipLine) << line.toStdString();
    }

    void enterInFinalBox()
    {
        clickCentre(Text2);
        const QString typed = Text2->text();
        x2 = valFromText(typed.toStdU16String());
        const QString equation = selectedEquation();
        const std::size_t before = listedCount(form);
        QTest::keyClick(Text2, Qt::Key_Return);
        QApplication::processEvents();
        checkNote(typed);
        const std::size_t added = listedCount(form) - before;
        if (added > 0) {
            if (before == 0)
                runStarts.clear();
            runStarts.push_back({before, equation});
            checkExplanation(before);
            checkExplanation(before + added - 1);
            checkExplanation(before + static_cast<std::size_t>(pick(static_cast<int>(added))));
        }
        const bool messaged = answerMessage();
        ++runs;
        messages += messaged;
        linesSeen += static_cast<long>(added);

        const double n = (x2 - x1) / h;
        if (!std::isfinite(x1) || !std::isfinite(x2) || n >= 1e6 || !std::isfinite(y1)) {
            EXPECT_EQ(added, 0u) << "a refused run lists nothing";
            EXPECT_TRUE(messaged) << "a refused run says why";
        } else if (n < 0) {
            EXPECT_EQ(added, 0u);
            EXPECT_TRUE(messaged) << "x2 left of x1 is said";
        } else {
            // The last line lies within a step before x2, never past it; a
            // run stopped by its numbers ends earlier still.
            const double last = x1 + static_cast<double>(added) * h - h;
            const double slack = 1e-9 * std::max({1.0, std::fabs(x1), std::fabs(x2)});
            EXPECT_LE(last, x2 + slack);
            if (!messaged) {
                EXPECT_GT(last + h, x2 - slack) << "a completed run ends a step short of x2 at most";
            }
            if (added > 0 && std::fabs(x1) < 1e15) {
                const std::string first(listedLine(form, before));
                EXPECT_EQ(first.substr(0, first.find(' ')), printfFixed(x1, xDecimals(h)));
            }
        }
    }

    // Another method, or a step typed, taken or not, from List2's menu; the
    // heading says whether the next run is the design's.
    void chooseStepOrMethod()
    {
        ++stepsAndMethods;
        QMenu* menu = openMenu(List2, randomWay(), randomPointIn(List2->viewport()));
        if (pick(2)) {
            choose(menu, entries(menu)[4]);
            auto* methods = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(methods, nullptr);
            method = pick(4);
            choose(methods, entries(methods)[method]);
        } else {
            choose(menu, entries(menu)[3]);
            QPointer<StepDialog> dialog = form.findChild<StepDialog*>();
            ASSERT_TRUE(dialog);
            auto* field = dialog->findChild<QLineEdit*>("StepField");
            const char* steps[] = {"0.05", "0.1", "0.025", "0.3", "1", "0.001", "1e-9", "0", "-1", "abc", "2e9"};
            const char* typed = steps[pick(std::size(steps))];
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, typed);
            const bool readable = StepDialog::problemWith(typed).isEmpty();
            QTest::keyClick(field, pick(4) ? Qt::Key_Return : Qt::Key_Escape);
            flushDeletes();
            if (dialog) {
                EXPECT_FALSE(readable) << typed << ": Return left a step that reads";
                QTest::keyClick(field, Qt::Key_Escape);
                flushDeletes();
            }
            EXPECT_TRUE(dialog.isNull()) << "the step dialog, answered, is gone";
        }
        activate(form);
        const QString title = form.windowTitle();
        h = title.contains(" h = ") ? title.section(" h = ", 1).toDouble() : 0.05;
        designs = title == "RungeKutta";
        EXPECT_EQ(designs, h == 0.05 && method == 3) << title.toStdString();
        EXPECT_EQ(Label6->text() == "Runge Kutta Method", designs);
    }

    // The own equation's editor from List2's menu: a text typed over or
    // after the one there, then OK, Enter, Cancel or Escape.
    void editOwnEquation()
    {
        ++edits;
        QStringList before;
        for (int row = 0; row < List2->count(); ++row)
            before << List2->item(row)->text();
        const int selectedBefore = ListIndex(*List2);
        QMenu* menu = openMenu(List2, randomWay(), randomPointIn(List2->viewport()));
        EXPECT_EQ(ListIndex(*List2), selectedBefore) << "opening the menu chooses no equation";
        choose(menu, QString::fromUtf8("Own equation…"));
        QPointer<OwnEquationDialog> editor = form.findChild<OwnEquationDialog*>();
        ASSERT_TRUE(editor);
        QLineEdit* field = editorField(editor);
        EXPECT_EQ(field->text(), ownText) << "the editor opens with the equation last taken";
        // OK is enabled exactly when the text reads, after every piece typed.
        const auto reads = [&] {
            const bool enabled = editorOk(editor)->isEnabled();
            EXPECT_EQ(enabled, editorReading(editor).startsWith("Read as: "))
                << field->text().toStdString() << ": " << editorReading(editor).toStdString();
            return enabled;
        };
        reads();
        if (pick(3)) {
            field->selectAll();
            const KnownEquation& known = kKnownEquations[pick(std::size(kKnownEquations))];
            const QString text = QString::fromUtf8(known.text);
            if (text.isEmpty())
                QTest::keyClick(field, Qt::Key_Backspace);
            typeText(field, text);
            for (const QChar c : text)
                mix(c.unicode());
            EXPECT_EQ(reads(), known.reads) << known.text;
        } else {
            for (const QString& piece : randomEquationPieces()) {
                for (const QChar c : piece)
                    mix(c.unicode());
                typeText(field, piece);
                reads();
            }
        }
        const QString typed = field->text();
        const bool readable = reads();
        const int answer = pick(4);
        switch (answer) {
        case 0: clickCentre(editorOk(editor)); break;
        case 1: QTest::keyClick(field, Qt::Key_Return); break;
        case 2: clickCentre(editor->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)); break;
        default: QTest::keyClick(field, Qt::Key_Escape); break;
        }
        flushDeletes();
        const bool taken = answer < 2 && readable;
        if (answer < 2 && !readable) {
            EXPECT_TRUE(editor && editor->isVisible()) << "OK took the unreadable " << typed.toStdString();
            if (editor)
                QTest::keyClick(editorField(editor), Qt::Key_Escape);
            flushDeletes();
        }
        EXPECT_TRUE(editor.isNull()) << "the editor, answered, is gone";
        activate(form);
        if (taken) {
            ++ownEquationsTaken;
            ownText = typed.trimmed();
            ASSERT_EQ(List2->count(), 7);
            EXPECT_EQ(List2->item(6)->text(), "y' = " + ownText);
            EXPECT_EQ(ListIndex(*List2), 6) << "the own equation is selected";
        } else {
            for (int row = 0; row < std::min<int>(List2->count(), before.size()); ++row)
                EXPECT_EQ(List2->item(row)->text(), before[row]) << "Cancel changes no equation";
            EXPECT_EQ(List2->count(), before.size());
            EXPECT_EQ(ListIndex(*List2), selectedBefore) << "Cancel changes no selection";
        }
    }

    // Pixels of the slope field's grey where the drawing itself has none.
    long fieldPixels()
    {
        const QImage shown = Picture1->shownImage().convertToFormat(QImage::Format_RGB32);
        const QImage drawn = Picture1->image().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown.size(), drawn.size());
        long count = 0;
        for (int y = 0; y < std::min(shown.height(), drawn.height()); ++y) {
            const auto* shownRow = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
            const auto* drawnRow = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
            for (int x = 0; x < std::min(shown.width(), drawn.width()); ++x)
                count += shownRow[x] == kSlopeFieldColour && drawnRow[x] != kSlopeFieldColour;
        }
        return count;
    }

    // The plot as it shows on the screen, the legend laid over it.
    QImage plotOnScreen() const
    {
        return Picture1->grab(Picture1->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The save dialog's answer for the next save: a new file in the scratch
    // folder, or now and then a cancel.
    void answerNextSave(const char* suffix)
    {
        savePath = pick(4) ? folder.filePath(QString("saved-%1.%2").arg(saves).arg(suffix)) : QString();
    }

    // A saved file is there, and no message came, or none is and nothing was saved.
    bool checkSaved()
    {
        if (auto* box = form.findChild<QMessageBox*>("SaveMessage")) {
            ADD_FAILURE() << "saving into a scratch folder failed: " << box->text().toStdString();
            box->accept();
            flushDeletes();
            activate(form);
        }
        const QStringList files = QDir(folder.path()).entryList(QDir::Files);
        if (savePath.isEmpty()) {
            EXPECT_TRUE(files.isEmpty()) << "a cancelled save writes nothing";
            return false;
        }
        EXPECT_EQ(files, QStringList{QFileInfo(savePath).fileName()});
        ++saves;
        return true;
    }

    void usePlotMenu()
    {
        QMenu* menu = openMenu(Picture1, randomWay(), randomPointIn(Picture1));
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(entries(menu), (QStringList{"Copy image", QString::fromUtf8("Save image as PNG…"), "",
                                              "Show slope field", "Show exact solution", "", "Guide"}));
        QAction* field = menu->actions()[3];
        // Saving a PNG is the slowest of them: played less often.
        switch (pick(6)) {
        case 0: {
            QGuiApplication::clipboard()->clear();
            choose(menu, "Copy image");
            ++copies;
            EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), plotOnScreen());
            break;
        }
        case 1: {
            answerNextSave("png");
            choose(menu, QString::fromUtf8("Save image as PNG…"));
            if (checkSaved()) {
                const QImage saved(savePath, "png");
                EXPECT_FALSE(saved.isNull()) << "the saved PNG loads";
                EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), plotOnScreen());
                QFile::remove(savePath);
            }
            break;
        }
        case 2:
        case 3: {
            const bool wasOn = field->isChecked();
            choose(menu, "Show slope field");
            ++fieldSwitches;
            EXPECT_NE(field->isChecked(), wasOn);
            const long grey = fieldPixels();
            if (!field->isChecked()) {
                EXPECT_EQ(grey, 0) << "the field, switched off, is gone";
            } else if (ListIndex(*List2) < 6) {
                // A list equation's slope, or none's 0, has a value everywhere.
                EXPECT_GT(grey, 0) << "the field, switched on, shows";
            }
            break;
        }
        default: QTest::keyClick(menu, Qt::Key_Escape); break;
        }
    }

    // A taken-out table: a header, then every listed line, its two numbers
    // apart by `separator`, each ended by a line end.
    void checkTableText(const QString& text, const QString& separator)
    {
        QStringList lines = text.split('\n');
        ASSERT_TRUE(lines.last().isEmpty()) << "the last line ends";
        lines.removeLast();
        ASSERT_EQ(static_cast<std::size_t>(lines.size()), listedCount(form) + 1) << "a header and the listed lines";
        EXPECT_EQ(lines[0], "x" + separator + "y");
        for (std::size_t row = 0; row < listedCount(form); ++row) {
            const QString listed = QString::fromStdString(listedLine(form, row)).replace("    ", separator);
            if (lines[static_cast<qsizetype>(row) + 1] != listed) {
                ADD_FAILURE() << "row " << row << ": " << lines[static_cast<qsizetype>(row) + 1].toStdString()
                              << ", listed " << listed.toStdString();
                break;
            }
        }
    }

    void useTableMenu()
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText("before");
        if (pick(6) == 0) {
            // Ctrl+C copies the selected line, and nothing when none is.
            const int selected = ListIndex(*List1);
            List1->setFocus();
            QTest::keyClick(List1, Qt::Key_C, Qt::ControlModifier);
            EXPECT_EQ(clipboard->text().toStdString(), selected >= 0 ? listedLine(form, selected) : "before");
            return;
        }
        QMenu* menu = openMenu(List1, randomWay(), randomPointIn(List1->viewport()));
        ASSERT_NE(menu, nullptr);
        const int selected = ListIndex(*List1);
        const QString rows = listedCount(form) > 0 ? "" : "-";
        EXPECT_EQ(entries(menu), (QStringList{QString(selected >= 0 ? "" : "-") + "Copy line", rows + "Copy table",
                                              rows + QString::fromUtf8("Save table as CSV…"),
                                              QString::fromUtf8("Open as table…"), "", "Show errors", "", "Guide"}));
        const bool small = listedCount(form) > 0 && listedCount(form) <= kLargestExport;
        switch (pick(5)) {
        case 0:
            if (selected < 0)
                break;
            choose(menu, "Copy line");
            ++copies;
            EXPECT_EQ(clipboard->text().toStdString(), listedLine(form, selected));
            return;
        case 1:
            if (!small)
                break;
            choose(menu, "Copy table");
            ++copies;
            checkTableText(clipboard->text(), "\t");
            return;
        case 2: {
            if (!small)
                break;
            answerNextSave("csv");
            choose(menu, QString::fromUtf8("Save table as CSV…"));
            if (checkSaved()) {
                QFile saved(savePath);
                EXPECT_TRUE(saved.open(QIODevice::ReadOnly)) << "the saved CSV opens";
                checkTableText(QString::fromUtf8(saved.readAll()), ",");
                saved.remove();
            }
            return;
        }
        case 3: {
            choose(menu, QString::fromUtf8("Open as table…"));
            auto* window = form.findChild<TableWindow*>();
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << "the table window comes to the front";
            EXPECT_EQ(static_cast<std::size_t>(window->view().model()->rowCount()), listedCount(form))
                << "the table window shows every listed line";
            window->close();
            QApplication::processEvents();
            activate(form);
            return;
        }
        default: break;
        }
        QTest::keyClick(menu, Qt::Key_Escape);
    }

    // F1 anywhere in the window: the guide, in English here.
    void openGuide()
    {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &form, Qt::Key_F1);
        auto* guide = form.findChild<GuideWindow*>();
        ASSERT_NE(guide, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowActive(guide)) << "the guide comes to the front";
        EXPECT_EQ(guide->language(), "en");
        guide->close();
        // The platform's word that the guide came to the front may still
        // be on its way: let it arrive before the window is brought back.
        QApplication::processEvents();
        activate(form);
    }

    void randomAction()
    {
        switch (pick(18)) {
        case 0: {
            // Anywhere in the list, entries or empty space.
            QWidget* viewport = List2->viewport();
            QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(pick(viewport->width()), pick(viewport->height())));
            break;
        }
        case 1: QTest::keyClick(List2, pick(2) ? Qt::Key_Down : Qt::Key_Up); break;
        case 2:
            clickCentre(Command1);
            runStarts.clear();
            break;
        case 3: clickCentre(Command3); break;
        case 4: clickCentre(randomInputBox()); break;
        case 5:
            if (QWidget* focus = QApplication::focusWidget())
                QTest::keyClick(focus, Qt::Key_Tab);
            break;
        case 6:
        case 7: typeInto(randomInputBox()); break;
        case 8:
            if (Text4->isVisible())
                typeInto(Text4);
            break;
        case 9: {
            QLineEdit* box = pick(2) ? Text1 : Text3;
            clickCentre(box);
            const QString typed = box->text();
            (box == Text1 ? x1 : y1) = valFromText(typed.toStdU16String());
            QTest::keyClick(box, Qt::Key_Return);
            checkNote(typed);
            break;
        }
        case 10:
        case 11: enterInFinalBox(); break;
        case 12: editOwnEquation(); break;
        case 13: usePlotMenu(); break;
        case 14: useTableMenu(); break;
        case 15: chooseStepOrMethod(); break;
        case 16: openGuide(); break;
        default:
            if (listedCount(form) > 0)
                checkExplanation(static_cast<std::size_t>(pick(static_cast<int>(listedCount(form)))));
            break;
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
            ASSERT_EQ(QApplication::activePopupWidget(), nullptr) << "a menu left open";
            if (::testing::Test::HasFatalFailure() || (::testing::Test::HasFailure() && action % 100 == 0))
                break;
            // Keep a long soak within bounds of memory: a person presses Ready now and then.
            if (listedCount(form) > 3'000'000) {
                Command1->click();
                runStarts.clear();
            }
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
    std::printf("random use: %ld edits of the own equation, %ld taken; %ld copies, %ld files saved of %ld asked, "
                "%ld switches of the slope field, %ld steps or methods chosen\n",
                user.edits, user.ownEquationsTaken, user.copies, user.saves, user.saveDialogs, user.fieldSwitches,
                user.stepsAndMethods);
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
