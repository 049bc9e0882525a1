// What only the windows show: the table window opened from List1's menu
// and heading, what it copies and saves, Label3 with the errors, and the
// guide on F1 in each language.

#include "tests/app/FormFixture.h"

#include "app/FileSaver.h"
#include "app/Guide.h"
#include "app/StepDialog.h"
#include "app/TableWindow.h"
#include "app/Translations.h"
#include "widgets/RunTableModel.h"

#include <QClipboard>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

namespace rk {
namespace {

class Tables : public FormFixture {
protected:
    void run(const char* x2)
    {
        clickEquation(0);
        control<QPushButton>(form, "Command1")->click();
        for (const char* text : {"0", "1", x2})
            typeAndEnter(text);
    }

    TableWindow* openTable()
    {
        choose(openMenu(control<QListView>(form, "List1"), Way::ShiftF10), "Open as table…");
        auto* window = form.findChild<TableWindow*>();
        if (window) {
            QApplication::setActiveWindow(window);
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }
        return window;
    }

    // The step and method of the next runs, from List2's menu.
    void useStepAndMethod(const char* step, int method)
    {
        QMenu* menu = openMenu(control<QListWidget>(form, "List2"), Way::ShiftF10);
        choose(menu, entries(menu)[3]);
        auto* field = form.findChild<StepDialog*>()->findChild<QLineEdit*>("StepField");
        field->selectAll();
        QTest::keyClicks(field, step);
        QTest::keyClick(field, Qt::Key_Return);
        QApplication::processEvents();
        reactivate();
        menu = openMenu(control<QListWidget>(form, "List2"), Way::ShiftF10);
        choose(menu, entries(menu)[4]);
        auto* methods = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(methods, nullptr);
        choose(methods, entries(methods)[method]);
        reactivate();
    }
};

// y' = -y with errors shown: the row x = 0.05 in full, and y - exact from
// the copied text gives the error column to its three digits. Label3 then
// names the third column.
TEST_F(Tables, RowsInFullWithTheirErrors)
{
    run("1");
    choose(openMenu(control<QListView>(form, "List1"), Way::ShiftF10), "Show errors");
    EXPECT_TRUE(control<QLabel>(form, "Label3")->text().contains(QRegularExpression("^ x +y +error$"))) << control<QLabel>(form, "Label3")->text().toStdString();
    EXPECT_EQ(control<QLabel>(form, "Label3")->accessibleName(), "x y error");
    TableWindow* window = openTable();
    ASSERT_NE(window, nullptr);
    const QRect screen(0, 0, 1024, 768);
    EXPECT_TRUE(screen.contains(QRect(QPoint(0, 0), window->frameGeometry().size()))) << "fits a 1024 x 768 screen";

    QTableView& view = window->view();
    view.selectRow(1);
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lines.size(), 3) << "a header, the row, and the last line's end";
    const QStringList names = lines[0].split('\t'), cells = lines[1].split('\t');
    ASSERT_EQ(names.size(), cells.size());
    const auto at = [&](const char* name) { return cells.value(names.indexOf(name)); };
    EXPECT_EQ(at("x"), "0.05");
    EXPECT_TRUE(at("y").startsWith("0.951229427083")) << at("y").toStdString();
    EXPECT_EQ(at("exact"), "0.951229424500714");
    EXPECT_EQ(at("error"), "2.58e-09");
    EXPECT_EQ(QString::asprintf("%.2e", at("y").toDouble() - at("exact").toDouble()), at("error"));
    EXPECT_EQ(view.model()->index(1, 5).data().toString(), "2.58e-09") << "the window shows what it copies";

    reactivate();
    choose(openMenu(control<QListView>(form, "List1"), Way::ShiftF10), "Show errors");
    EXPECT_EQ(control<QLabel>(form, "Label3")->text(), " x      y");
    EXPECT_EQ(view.model()->columnCount(), 4);
}

// Opened by the menu or a double-click on Label3, one window follows the
// list: later runs appear, Ready empties it.
TEST_F(Tables, FollowsTheList)
{
    run("0.1");
    TableWindow* window = openTable();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->view().model()->rowCount(), 3);
    window->close();
    QTest::mouseDClick(control<QLabel>(form, "Label3"), Qt::LeftButton);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(form.findChildren<TableWindow*>().size(), 1);

    reactivate();
    control<QLineEdit>(form, "Text2")->setFocus();
    control<QLineEdit>(form, "Text2")->clear();
    typeAndEnter("0.2");
    EXPECT_EQ(window->view().model()->rowCount(), 3 + 5);
    EXPECT_EQ(window->view().model()->index(3, 0).data().toString(), "2");
    EXPECT_EQ(window->findChild<QLabel*>("RunLabel")->text().left(6), "Run 1:");
    control<QPushButton>(form, "Command1")->click();
    EXPECT_EQ(window->view().model()->rowCount(), 0);
}

// Euler at 0.1, then Runge-Kutta at 0.05 without Ready, saved as CSV from
// the table window: Python's csv module reads it, each row naming its run.
TEST_F(Tables, SavedCsvReadsInPython)
{
    useStepAndMethod("0.1", 0);
    run("1");
    useStepAndMethod("0.05", 3);
    control<QLineEdit>(form, "Text2")->setFocus();
    QTest::keyClick(control<QLineEdit>(form, "Text2"), Qt::Key_Return);
    ASSERT_EQ(listedCount(form), 11u + 21u);

    QTemporaryDir folder;
    const QString path = folder.filePath("runs.csv");
    TableWindow* window = openTable();
    ASSERT_NE(window, nullptr);
    window->findChild<FileSaver*>()->setPathChooser([&](QWidget*, const FileSaver::SaveRequest&) { return path; });
    window->findChild<QPushButton*>("SaveCsv")->click();

    QProcess python;
    python.start("python3", {"-c", "import csv, sys\n"
                                   "rows = list(csv.DictReader(open(sys.argv[1], encoding='utf-8', newline='')))\n"
                                   "print(','.join(rows[0].keys()))\n"
                                   "print(len(rows))\n"
                                   "print(sorted({(r['run'], r['method'], r['h']) for r in rows}))\n"
                                   "print(rows[12]['x'], rows[12]['y'])\n",
                             path});
    ASSERT_TRUE(python.waitForFinished(30000)) << "python3 runs";
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(python.readAllStandardOutput()),
              "run,equation,method,h,x1,y1,i,x,y\n"
              "32\n"
              "[('1', 'Euler', '0.1'), ('2', 'Runge-Kutta', '0.05')]\n"
              "0.05 0.9512294270833334\n");
}

// The section of the guide under the heading anchored `name`, as text.
QString sectionText(const QTextDocument& document, const QString& name)
{
    QString text;
    bool inside = false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0) {
            if (inside)
                break;
            inside = block.begin().fragment().charFormat().anchorNames().contains(name);
        }
        if (inside)
            text += block.text() + '\n';
    }
    return text;
}

QStringList anchorsOf(const QTextDocument& document)
{
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            names << it.fragment().charFormat().anchorNames();
    return names;
}

QStringList linksOf(const QTextDocument& document)
{
    QStringList links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (const QString href = it.fragment().charFormat().anchorHref(); !href.isEmpty())
                links << href;
    return links;
}

struct GuideCase {
    const char* name;
    QLocale locale;
    const char* language;
    const char* tip;
};

// Translators first, then the window; English again afterwards.
struct Translators {
    explicit Translators(const QLocale& locale) { installTranslators(locale); }
    ~Translators() { installTranslators(QLocale::c()); }
};

class GuideIn : public ::testing::WithParamInterface<GuideCase>, public Translators, public FormFixture {
protected:
    GuideIn() : Translators(GetParam().locale) {}
};

// F1 opens the guide in the language installed; its sections for the three
// menus name their entries as the menus do; its links have their targets,
// and the find box finds.
TEST_P(GuideIn, OpensOnF1AndNamesTheMenus)
{
    EXPECT_EQ(control<QPushButton>(form, "Command3")->toolTip(), QString::fromUtf8(GetParam().tip));
    EXPECT_EQ(control<QPlainTextEdit>(form, "Text4")->toolTip(), QString::fromUtf8(GetParam().tip));
    QTest::keyClick(&form, Qt::Key_F1);
    auto* guide = form.findChild<GuideWindow*>();
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(guide));
    EXPECT_EQ(guide->language(), GetParam().language);
    const QTextDocument& document = *guide->text().document();
    guide->close();
    reactivate();

    const struct {
        QWidget* owner;
        const char* section;
    } menus[] = {{control<QListWidget>(form, "List2"), "equation-menu"}, {control<QListView>(form, "List1"), "table-menu"}, {control<PictureBox>(form, "Picture1"), "plot-menu"}};
    static const QRegularExpression mnemonic("\\(&.\\)|&");
    for (const auto& m : menus) {
        SCOPED_TRACE(m.section);
        QMenu* menu = openMenu(m.owner, Way::ShiftF10);
        ASSERT_NE(menu, nullptr);
        QStringList named = entries(menu);
        menu->close();
        const QString section = sectionText(document, m.section);
        ASSERT_FALSE(section.isEmpty());
        EXPECT_TRUE(named.contains(GuideWindow::tr("Guide"))) << "each menu has a Guide entry";
        for (QString entry : named) {
            entry.remove(mnemonic).remove(QRegularExpression("^-"));
            if (!entry.isEmpty()) {
                EXPECT_TRUE(section.contains(entry)) << entry.toStdString();
            }
        }
    }

    const QStringList anchors = anchorsOf(document);
    for (const char* section : {"controls", "enter-chain", "keys", "table", "errors", "comparison"})
        EXPECT_TRUE(anchors.contains(section)) << section;
    for (const QString& link : linksOf(document))
        EXPECT_TRUE(link.startsWith('#') && anchors.contains(link.mid(1))) << link.toStdString();

    auto* find = guide->findChild<QLineEdit*>("GuideFind");
    QTest::keyClicks(find, "Shift+F1");
    EXPECT_EQ(guide->text().textCursor().selectedText(), "Shift+F1");
}

INSTANTIATE_TEST_SUITE_P(Languages, GuideIn,
                         ::testing::Values(GuideCase{"English", QLocale(QLocale::English, QLocale::UnitedStates),
                                                     "en", "F1: the guide"},
                                           GuideCase{"Japanese", QLocale(QLocale::Japanese, QLocale::Japan), "ja",
                                                     "F1: ガイド"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A menu's Guide entry opens the guide at the menu's own section.
TEST_F(Tables, GuideEntryOpensTheMenusSection)
{
    choose(openMenu(control<PictureBox>(form, "Picture1"), Way::ShiftF10), "Guide");
    auto* guide = form.findChild<GuideWindow*>();
    ASSERT_NE(guide, nullptr);
    QApplication::processEvents();
    EXPECT_GT(guide->text().verticalScrollBar()->value(), 0) << "scrolled down to the plot's menu";
}

} // namespace
} // namespace rk
