#include "tests/app/FormFixture.h"

#include "app/FormDesign.h"
#include "app/HelpText.h"
#include "app/OwnEquationDialog.h"
#include "app/StepDialog.h"
#include "app/FileSaver.h"
#include "app/Translations.h"
#include "core/Catalogue.h"
#include "core/FrameWindow.h"
#include "widgets/Colours.h"
#include "widgets/ListBox.h"
#include "widgets/MessageNumbers.h"
#include "widgets/QtText.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <QWheelEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QAbstractTextDocumentLayout>
#include <QTimer>
#include <QWhatsThis>

#include <cerrno>
#include <cmath>
#include <optional>

#include <sys/mount.h>

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace rk {
namespace {

QString textOf(QWidget* w)
{
    if (auto* b = qobject_cast<QPushButton*>(w)) return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* p = qobject_cast<QPlainTextEdit*>(w)) return p->toPlainText();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    return {};
}

int darkPixels(const QImage& image, QRect area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 255;
    return dark;
}

using Form1Design = FormFixture;

TEST_F(Form1Design, Window)
{
    EXPECT_EQ(form.objectName(), "Form1");
    EXPECT_EQ(form.windowTitle(), "RungeKutta");
    EXPECT_EQ(form.size(), QSize(708, 573));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the window is not resizable";
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(kPaleGreen));
}

QString qs(std::string_view text) { return toQString(text); }

// Each control of the design once, where it belongs, saying what it is, in
// a face the machine really has.
TEST_F(Form1Design, EveryControlOnceAndReadable)
{
    // Menus and dialogs belong to the controls they serve or come and go,
    // so they are not among the design's controls.
    for (const ControlDesign& d : kControlDesigns) {
        SCOPED_TRACE(std::string(d.name));
        EXPECT_EQ(form.findChildren<QWidget*>(qs(d.name)).size(), 1);
        QWidget* w = form.findChild<QWidget*>(qs(d.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), d.container.empty() ? "Form1" : qs(d.container));
        if (!d.caption.empty()) {
            EXPECT_EQ(textOf(w), qs(d.caption));
            // A caption shows whole, not clipped at the control's edge.
            if (qobject_cast<QPushButton*>(w) || qobject_cast<QLabel*>(w)) {
                EXPECT_LE(w->fontMetrics().horizontalAdvance(qs(d.caption).trimmed()), w->contentsRect().width());
            }
        }
        // The faces are asked for by the design's names; the IPA fonts must
        // answer, not a fallback with other widths.
        EXPECT_EQ(QFontInfo(w->font()).family(), d.font.face == "P Mincho" ? "IPAPMincho" : "IPAPGothic");
        EXPECT_EQ(w->isVisible(), d.visible);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(reader, nullptr);
        EXPECT_FALSE(reader->text(QAccessible::Name).isEmpty());
        EXPECT_EQ(reader->text(QAccessible::Description), qs(d.description));
    }
}

// The controls read as one window: each inside it, none covering another
// beyond the line two bordered boxes share, the legend inside the plot, the
// table's heading over the table, the End button level with the plot's bottom.
TEST_F(Form1Design, ControlsFitTogether)
{
    auto* label3 = control<QLabel>("Label3");
    auto* list1 = control<QListView>("List1");
    const QRect client = form.rect();
    const QList<QWidget*> controls = form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* w : controls) {
        EXPECT_TRUE(client.contains(w->geometry())) << w->objectName().toStdString();
        for (QWidget* other : controls) {
            if (other == w || w->objectName() >= other->objectName())
                continue;
            const QRect shared = w->geometry() & other->geometry();
            EXPECT_TRUE(shared.isEmpty() || shared.width() == 1 || shared.height() == 1)
                << w->objectName().toStdString() << " covers " << other->objectName().toStdString();
        }
    }
    EXPECT_EQ(label3->x(), list1->x());
    EXPECT_EQ(label3->width(), list1->width());
    EXPECT_EQ(label3->geometry().bottom(), list1->y());
    EXPECT_EQ(control<QPushButton>("Command2")->geometry().bottom(), control<PictureBox>("Picture1")->geometry().bottom());
    for (QLabel* legend : {control<QLabel>("Label4"), control<QLabel>("Label5")})
        EXPECT_TRUE(control<PictureBox>("Picture1")->contentsRect().contains(legend->geometry())) << legend->text().toStdString();
}

TEST_F(Form1Design, HeadingShowsItsWholeCaption)
{
    auto* label6 = control<QLabel>("Label6");
    EXPECT_EQ(label6->pos(), QPoint(144, 8));
    EXPECT_EQ(label6->text(), "Runge Kutta Method");
    EXPECT_GE(label6->width(), label6->sizeHint().width() - 2);
    EXPECT_EQ(label6->font().pixelSize(), 21);
}

struct LabelCase {
    const char* name;
    QRgb back;
    std::optional<QRgb> fore;
    bool boxed;
    Qt::Alignment alignment; // none: not checked
};

TEST_F(Form1Design, LabelsColoursBordersAndAlignment)
{
    const LabelCase cases[] = {
        {"Label1", kLightGreen, {}, true, Qt::AlignHCenter},
        {"Label2", kLightGreen, {}, true, Qt::AlignHCenter},
        {"Label3", kLightGreen, {}, true, Qt::AlignLeft},
        // The legend in the colours of the points it names, on the plot's own back colour.
        {"Label4", kLightCyan, kSolutionColour, false, {}},
        {"Label5", kLightCyan, kSlopeColour, false, {}},
        {"Label6", kPaleGreen, {}, false, {}},
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto* label = form.findChild<QLabel*>(c.name);
        ASSERT_NE(label, nullptr);
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(c.back));
        if (c.fore) {
            EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(*c.fore));
        }
        EXPECT_EQ(label->frameShape(), c.boxed ? QFrame::Box : QFrame::NoFrame);
        EXPECT_TRUE((label->alignment() & c.alignment) == c.alignment);
    }
}

TEST_F(Form1Design, TabOrderFromTheStart)
{
    EXPECT_EQ(focusName(), "Command1");
    const QStringList order{"Picture1", "Text1", "Text2", "Text3", "List1", "List2", "Command2", "Command3", "Command1"};
    for (const QString& next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focusName(), next);
    }
}

TEST_F(Form1Design, HelpBoxJoinsTheTabOrderOnceShown)
{
    control<QPushButton>("Command3")->click();
    control<QPushButton>("Command2")->setFocus();
    QTest::keyClick(control<QPushButton>("Command2"), Qt::Key_Tab);
    EXPECT_EQ(focusName(), "Text4");
    QTest::keyClick(control<QPlainTextEdit>("Text4"), Qt::Key_Tab);
    EXPECT_EQ(focusName(), "Command3");
}

using StartUp = FormFixture;

TEST_F(StartUp, StateBeforeAnyAction)
{
    auto* list2 = control<QListWidget>("List2");
    ASSERT_EQ(list2->model()->rowCount(), static_cast<int>(kEquationTexts.size()));
    for (int row = 0; row < list2->model()->rowCount(); ++row)
        EXPECT_EQ(list2->model()->index(row, 0).data().toString(), qs(kEquationTexts[static_cast<std::size_t>(row)]));
    EXPECT_EQ(ListIndex(*list2), -1);
    EXPECT_EQ(listedCount(form), 0u);
    EXPECT_FALSE(control<QPlainTextEdit>("Text4")->isVisible());
    EXPECT_FALSE(control<QLabel>("Label4")->isVisible());
    EXPECT_FALSE(control<QLabel>("Label5")->isVisible());

    // No equation and no number confirmed yet: Enter on "x2" runs from 0 to
    // 0 with every slope 0.
    control<QLineEdit>("Text2")->setFocus();
    typeAndEnter("");
    EXPECT_EQ(listed(), std::vector<std::string>{"0.00    0.00000"});
}

// Pixels that `text` darkens on white, drawn unclipped in the list's face as
// the list draws it.
int inkOf(const QString& text, QFont font, int left)
{
    font.setHintingPreference(QFont::PreferFullHinting);
    const QFontMetrics metrics(font);
    QImage canvas(left + metrics.horizontalAdvance(text) + 10, 4 * metrics.height(), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.drawText(QPoint(left, 2 * metrics.height()), text);
    painter.end();
    return darkPixels(canvas, canvas.rect());
}

struct RowsCase {
    const char* list;
    int wholeRows; // at the design height
};

TEST_F(StartUp, ListsShowWholeRowsOfWholeGlyphs)
{
    // A table with negative numbers and more lines than the list shows.
    clickEquation(1);
    control<QPushButton>("Command1")->click();
    typeAndEnter("-0.3");
    typeAndEnter("-1");
    typeAndEnter("0.2");
    control<QListWidget>("List2")->clearSelection(); // plain rows on white
    QApplication::processEvents();
    for (const RowsCase& c : {RowsCase{"List2", 3}, RowsCase{"List1", 6}}) {
        SCOPED_TRACE(c.list);
        auto* list = form.findChild<QListView*>(c.list);
        ASSERT_NE(list, nullptr);
        const QImage shown = list->viewport()->grab().toImage();
        const QRect inside = list->viewport()->rect();
        int whole = 0;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            const QModelIndex index = list->model()->index(row, 0);
            const QRect rect = list->visualRect(index);
            EXPECT_EQ(rect.height(), list->font().pixelSize()) << "row " << row;
            if (!inside.contains(rect))
                continue;
            ++whole;
            // Everything the text inks lies in its own row.
            EXPECT_EQ(darkPixels(shown, rect), inkOf(index.data().toString(), list->font(), 3)) << "row " << row;
        }
        EXPECT_EQ(whole, c.wholeRows);
        EXPECT_TRUE(list->verticalScrollBar()->isVisible());

        // Below the last whole row, down to the frame, no ink of the next row:
        // only the list's background.
        const QRect rows = list->viewport()->geometry();
        const int below = rows.top() + c.wholeRows * list->font().pixelSize();
        const QRect strip(rows.left(), below, rows.width(), list->contentsRect().bottom() + 1 - below);
        QImage background(QSize(rows.width(), 2), QImage::Format_RGB32);
        background.fill(list->palette().color(QPalette::Base));
        EXPECT_EQ(list->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(strip), background);
    }
}

using Commands = FormFixture;

TEST_F(Commands, ClickOnTheListSelectsTheEquation)
{
    control<QPushButton>("Command1")->click();
    typeAndEnter("0");
    typeAndEnter("1");
    clickEquation(2); // y' = 2
    control<QLineEdit>("Text2")->setFocus();
    typeAndEnter("0.05");
    clickEquation(0); // y' = - y
    control<QLineEdit>("Text2")->setFocus();
    typeAndEnter("");
    EXPECT_EQ(listed(), (std::vector<std::string>{"0.00    1.00000", "0.05    1.10000", "0.00    1.00000",
                                                  "0.05    0.95123"}));
}

TEST_F(Commands, NothingLeftSelectedGivesNoEquation)
{
    clickEquation(1);
    control<QListWidget>("List2")->clearSelection();
    control<QPushButton>("Command1")->click();
    typeAndEnter("0");
    typeAndEnter("1");
    typeAndEnter("0.05");
    EXPECT_EQ(listed(), (std::vector<std::string>{"0.00    1.00000", "0.05    1.00000"}));
}

TEST_F(Commands, ReadyClearsAndLeavesTheValues)
{
    clickEquation(0);
    control<QPushButton>("Command1")->click();
    typeAndEnter("0");
    typeAndEnter("1");
    typeAndEnter("0.2");
    ASSERT_EQ(listedCount(form), 5u);
    control<QPushButton>("Command3")->click();

    control<QPushButton>("Command1")->click();
    QApplication::processEvents();
    EXPECT_EQ(listedCount(form), 0u);
    EXPECT_EQ(control<QListView>("List1")->model()->rowCount(), 0);
    EXPECT_EQ(control<QLineEdit>("Text1")->text(), "");
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), "");
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), "");
    EXPECT_EQ(focusName(), "Text1");
    EXPECT_TRUE(control<QLabel>("Label4")->isVisible());
    EXPECT_TRUE(control<QLabel>("Label5")->isVisible());
    // Left alone: the list's selection and the help box.
    EXPECT_EQ(ListIndex(*control<QListWidget>("List2")), 0);
    EXPECT_TRUE(control<QPlainTextEdit>("Text4")->isVisible());

    // A new x2 right after Ready runs from the previous start.
    control<QLineEdit>("Text2")->setFocus();
    typeAndEnter("0.05");
    EXPECT_EQ(listed(), (std::vector<std::string>{"0.00    1.00000", "0.05    0.95123"}));
}

TEST_F(Commands, HelpShowsTheTextAndReplacesEdits)
{
    auto* text4 = control<QPlainTextEdit>("Text4");
    const QString help = toQString(kHelpText);
    control<QPushButton>("Command3")->click();
    EXPECT_TRUE(text4->isVisible());
    EXPECT_EQ(text4->toPlainText(), help);

    text4->setFocus();
    QTest::keyClicks(text4, "my notes");
    control<QPushButton>("Command3")->click();
    EXPECT_EQ(text4->toPlainText(), help);
}

TEST_F(Commands, HelpTextWrapsAtTheBoxWidth)
{
    auto* text4 = control<QPlainTextEdit>("Text4");
    control<QPushButton>("Command3")->click();
    QApplication::processEvents();
    const int narrowLines = text4->document()->documentLayout()->documentSize().height();
    text4->resize(400, text4->height());
    QApplication::processEvents();
    const int wideLines = text4->document()->documentLayout()->documentSize().height();
    EXPECT_GT(narrowLines, 1);
    EXPECT_LT(wideLines, narrowLines);
}

TEST_F(Commands, WholeHelpTextLiesInsideTheBoxWhichNeverScrolls)
{
    auto* text4 = control<QPlainTextEdit>("Text4");
    control<QPushButton>("Command3")->click();
    QApplication::processEvents();
    const QTextBlock block = text4->document()->firstBlock();
    const QTextLayout* layout = block.layout();
    ASSERT_GT(layout->lineCount(), 1);
    QTextCursor start(block);
    const QRect firstLine = text4->cursorRect(start);
    // The laid-out lines, placed where the box shows its first line.
    const QPointF origin = QPointF(firstLine.topLeft()) - layout->lineAt(0).position();
    const QRect inside = text4->viewport()->rect();
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QRect line = layout->lineAt(i).naturalTextRect().translated(origin).toAlignedRect();
        EXPECT_TRUE(inside.contains(line)) << "line " << i << " at y " << line.top() << ".." << line.bottom();
    }

    // Keys and the wheel that would scroll a taller text leave it in place.
    text4->setFocus();
    QTest::keyClick(text4, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(text4, Qt::Key_PageDown);
    QWheelEvent wheel(QPointF(20, 20), text4->viewport()->mapToGlobal(QPointF(20, 20)), {}, {0, -240},
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(text4->viewport(), &wheel);
    EXPECT_EQ(text4->cursorRect(start), firstLine);
}

TEST_F(Commands, EndLeavesTheEventLoopWithStatusZero)
{
    QTimer::singleShot(0, control<QPushButton>("Command2"), [this] { QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton); });
    // Should End not end the loop, the test fails rather than hang.
    QObject guard;
    QTimer::singleShot(5000, &guard, [] { QApplication::exit(-1); });
    EXPECT_EQ(QApplication::exec(), 0);
}

using Runs = FormFixture;

TEST_F(Runs, WholeRunThroughTheKeyboard)
{
    clickEquation(0);
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    typeAndEnter("0");
    typeAndEnter("1");
    typeAndEnter("0.2");
    EXPECT_EQ(listed(), (std::vector<std::string>{"0.00    1.00000", "0.05    0.95123", "0.10    0.90484",
                                                  "0.15    0.86071", "0.20    0.81873"}));
    EXPECT_EQ(control<QListView>("List1")->model()->rowCount(), 5);
    EXPECT_EQ(focusName(), "Text2");
    EXPECT_EQ(form.findChild<QMessageBox*>(), nullptr);
}

class Results : public FormFixture {
protected:
    Results()
    {
        form.findChild<FileSaver*>()->setPathChooser([this](QWidget*, const FileSaver::SaveRequest& request) {
            suggested << request.suggested;
            return chosen;
        });
    }

    void run(const char* x1, const char* x2)
    {
        clickEquation(0);
        control<QPushButton>("Command1")->click();
        for (const char* text : {x1, "1", x2})
            typeAndEnter(text);
    }

    QString chosen;
    QStringList suggested;
    QTemporaryDir folder;
};

TEST_F(Results, CopiesTheTableAndTheSelectedLine)
{
    auto* list1 = control<QListView>("List1");
    QMenu* menu = openMenu(list1, Way::ShiftF10);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(entries(menu), (QStringList{"-Copy line", "-Copy table", "-Save table as CSV…", "Open as table…", "", "Show errors", "", "Guide"}));
    QTest::keyClick(menu, Qt::Key_Escape);

    run("0", "0.1");
    control<QLineEdit>("Text2")->clear();
    typeAndEnter("0.05"); // a second block, appended
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("before");
    QTest::keyClick(list1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "before") << "no line is selected";
    menu = openMenu(control<QListView>(form, "List1"), Way::MenuKey);
    EXPECT_EQ(entries(menu), (QStringList{"-Copy line", "Copy table", "Save table as CSV…", "Open as table…", "", "Show errors", "", "Guide"}));
    choose(menu, "Copy table");
    EXPECT_EQ(clipboard->text(), "x\ty\n0.00\t1.00000\n0.05\t0.95123\n0.10\t0.90484\n0.00\t1.00000\n0.05\t0.95123\n");

    const QRect second = list1->visualRect(list1->model()->index(1, 0));
    QTest::mouseClick(list1->viewport(), Qt::LeftButton, {}, second.center());
    QTest::keyClick(list1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "0.05    0.95123");
    // The right button selects the line under it.
    const QRect fourth = list1->visualRect(list1->model()->index(3, 0));
    choose(openMenu(list1, Way::RightButton, fourth.center()), "Copy line");
    EXPECT_EQ(clipboard->text(), "0.00    1.00000");
}

TEST_F(Results, SavesTheTableAsCsv)
{
    run("-0.1", "0.05");
    chosen = folder.filePath("table.csv");
    choose(openMenu(control<QListView>("List1"), Way::ShiftF10), "Save table as CSV…");
    QFile saved(chosen);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "x,y\n-0.10,1.00000\n-0.05,0.95123\n0.00,0.90484\n0.05,0.86071\n");
    // The dialog that asks by default asks again before it overwrites.
    EXPECT_TRUE(suggested.size() == 1 && suggested[0].endsWith("/rungekutta.csv"));
    EXPECT_FALSE(FileSaver::saveDialog(&form, {})->testOption(QFileDialog::DontConfirmOverwrite));
}

struct FailedSaveCase {
    const char* disk;    // a tmpfs of this size over the folder, or none
    const char* earlier; // what a file at the chosen path holds before
    const char* name;
    int reason; // the system's error, in the words of the process locale
    const char* label;
};

class FailedSave : public Results, public ::testing::WithParamInterface<FailedSaveCase> {};

TEST_P(FailedSave, SaysWhyAndChangesNothing)
{
    const FailedSaveCase& c = GetParam();
    QTemporaryDir scratch;
    if (c.disk && ::mount("tmpfs", scratch.path().toLocal8Bit().constData(), "tmpfs", 0, c.disk) != 0) {
        const char* lack = "mounting a small tmpfs needs root with CAP_SYS_ADMIN";
        if (std::getenv("CI"))
            FAIL() << lack;
        GTEST_SKIP() << lack;
    }
    const auto unmount = qScopeGuard([&] {
        if (c.disk)
            ::umount2(scratch.path().toLocal8Bit().constData(), MNT_DETACH);
    });
    // About 5,600 bytes: more than the small disk takes, less than one write
    // buffer, so the write fails only when the file is flushed.
    run("0", "20");
    const std::vector<std::string> table = listed();
    chosen = scratch.filePath(c.name);
    QFile earlier(c.disk ? chosen : scratch.filePath("plain"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write(c.earlier);
    earlier.close();
    const QStringList before = QDir(scratch.path()).entryList(QDir::Files);
    choose(openMenu(control<QListView>("List1"), Way::MenuKey), "Save table as CSV…");
    auto* box = form.findChild<QMessageBox*>("SaveMessage");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QString("The file %1 could not be saved: %2.").arg(chosen, qt_error_string(c.reason)));
    box->accept();
    QApplication::processEvents();
    reactivate();
    // No temporary file left behind, and an earlier file whole.
    EXPECT_EQ(QDir(scratch.path()).entryList(QDir::Files), before);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), c.earlier);
    EXPECT_EQ(listed(), table);
}

INSTANTIATE_TEST_SUITE_P(Cases, FailedSave, ::testing::Values(
    FailedSaveCase{"size=4k", "", "table.csv", ENOSPC, "FullDisk"},
    FailedSaveCase{"size=8k", "earlier\n", "table.csv", ENOSPC, "FullDiskOverAnEarlierFile"},
    FailedSaveCase{nullptr, "", "plain/table.csv", ENOTDIR, "FolderInsideAFile"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(Results, PlotLeavesAsShown)
{
    auto* picture1 = control<PictureBox>("Picture1");
    run("0", "2");
    const QRect inside = picture1->contentsRect();
    const QImage shown = picture1->grab(inside).toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(501, 501));
    chosen = folder.filePath("plot.png");
    const std::pair<const char*, Way> cases[] = {{"Copy image", Way::ShiftF10}, {"Save image as PNG…", Way::RightButton}};
    for (const auto& [entry, way] : cases) {
        SCOPED_TRACE(entry);
        QMenu* menu = openMenu(control<PictureBox>(form, "Picture1"), way);
        EXPECT_EQ(entries(menu), (QStringList{"Copy image", "Save image as PNG…", "", "Show slope field", "Show exact solution", "", "Guide"}));
        choose(menu, entry);
        const QImage taken = (way == Way::ShiftF10 ? QGuiApplication::clipboard()->image() : QImage(chosen, "png"))
                                 .convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(taken, shown);
        // The legend, a control laid over the plot, is part of it.
        EXPECT_EQ(taken.copy(control<QLabel>("Label4")->geometry().translated(-inside.topLeft())),
                  control<QLabel>("Label4")->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_TRUE(suggested.size() == 1 && suggested[0].endsWith("/rungekutta.png"));
}

// The slope field, switched on and off in the plot's menu, beneath the frame
// and the points, following the equation selected now.
TEST_F(Results, SlopeFieldOnRequest)
{
    auto* picture1 = control<PictureBox>("Picture1");
    run("0", "2"); // y' = - y
    const QImage without = picture1->shownImage();
    QMenu* menu = openMenu(picture1, Way::ShiftF10);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(entries(menu), (QStringList{"Copy image", "Save image as PNG…", "", "Show slope field", "Show exact solution", "", "Guide"}));
    EXPECT_FALSE(menu->actions()[3]->isChecked()) << "off at first";
    choose(menu, "Show slope field");

    // Whether the stroke at a whole point rises or falls to the right: grey
    // pixels in a box right of the point's pixel, above or below it.
    struct GridPoint {
        int column, row;
    };
    const auto pixelOf = [picture1](double x, double y) {
        const double side = picture1->contentsRect().width();
        return GridPoint{static_cast<int>(std::floor((x - kFrameLeft) / (kFrameRight - kFrameLeft) * side)),
                         static_cast<int>(std::floor((y - kFrameTop) / (kFrameBottom - kFrameTop) * side))};
    };
    const GridPoint points[] = {pixelOf(1, 1), pixelOf(5, -3)};
    const auto grey = [picture1](GridPoint p, int below) {
        const QImage shown = picture1->shownImage();
        int count = 0;
        for (int row = p.row + (below ? 2 : -6); row <= p.row + (below ? 6 : -2); ++row)
            for (int column = p.column + 1; column <= p.column + 3; ++column)
                count += shown.pixel(column, row) == kSlopeFieldColour;
        return count;
    };
    // y' = - y: falling at (1, 1), rising steeply at (5, -3).
    EXPECT_GT(grey(points[0], true), 0);
    EXPECT_EQ(grey(points[0], false), 0);
    EXPECT_GT(grey(points[1], false), 0);
    EXPECT_EQ(grey(points[1], true), 0);
    clickEquation(2); // y' = 2: every stroke rises
    for (const GridPoint& p : points) {
        EXPECT_GT(grey(p, false), 0) << p.column;
        EXPECT_EQ(grey(p, true), 0) << p.column;
    }

    // Off again, the plot is as it was, pixel for pixel.
    clickEquation(0);
    choose(openMenu(picture1, Way::RightButton), "Show slope field");
    EXPECT_EQ(picture1->shownImage(), without);
    // Ready erases the points, not the field.
    choose(openMenu(picture1, Way::RightButton), "Show slope field");
    control<QPushButton>("Command1")->click();
    EXPECT_GT(grey(points[0], true), 0);
    choose(openMenu(picture1, Way::RightButton), "Show slope field");
    // With RK_PICTURES set to a folder, the window with equation 6's field
    // and a run is saved there (make screenshot puts it in docs/).
    if (const QString folder = qEnvironmentVariable("RK_PICTURES"); !folder.isEmpty()) {
        clickEquation(5);
        choose(openMenu(picture1, Way::ShiftF10), "Show slope field");
        control<QPushButton>("Command1")->click();
        for (const char* text : {"-1", "2", "15"})
            typeAndEnter(text);
        EXPECT_TRUE(form.grab().save(QDir(folder).filePath("slope-field.png")));
    }
}

// Each line's error against the exact solution, in the list, its copies
// and its explanation, on request; off, every line and copy is as before,
// byte for byte.
TEST_F(Results, ErrorsOnRequest)
{
    auto* list1 = control<QListView>("List1");
    run("0", "1"); // y' = - y from (0, 1)
    const std::vector<std::string> before = listed();
    QClipboard* clipboard = QGuiApplication::clipboard();
    choose(openMenu(list1, Way::MenuKey), "Copy table");
    const QString tableBefore = clipboard->text();
    QMenu* menu = openMenu(list1, Way::ShiftF10);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(entries(menu), (QStringList{"-Copy line", "Copy table", "Save table as CSV…", "Open as table…", "", "Show errors", "", "Guide"}));
    EXPECT_FALSE(menu->actions()[menu->actions().size() - 3]->isChecked()) << "off at first";
    choose(menu, "Show errors");
    QApplication::processEvents();
    EXPECT_GT(list1->horizontalScrollBar()->maximum(), 0) << "the errors scroll into view";

    // The errors of 1.9976097e-8 at x = 1 and 2.58262e-9 at x = 0.05.
    const struct {
        int row;
        const char* listed;
        const char* copied;
        const char* csv;
    } rows[] = {
        {0, "0.00    1.00000    0.00e+00", "0.00\t1.00000\t1\t0.00e+00", "0.00,1.00000,1,0.00e+00"},
        {1, "0.05    0.95123    2.58e-09", "0.05\t0.95123\t0.951229424501\t2.58e-09",
         "0.05,0.95123,0.951229424501,2.58e-09"},
        {20, "1.00    0.36788    2.00e-08", "1.00\t0.36788\t0.367879441171\t2.00e-08",
         "1.00,0.36788,0.367879441171,2.00e-08"},
    };
    choose(openMenu(list1, Way::MenuKey), "Copy table");
    const QStringList copied = clipboard->text().split('\n');
    chosen = folder.filePath("errors.csv");
    choose(openMenu(list1, Way::ShiftF10), "Save table as CSV…");
    QFile saved(chosen);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QStringList csv = QString::fromLatin1(saved.readAll()).split('\n');
    ASSERT_EQ(copied.size(), 23);
    ASSERT_EQ(csv.size(), 23);
    EXPECT_EQ(copied[0], "x\ty\texact\terror");
    EXPECT_EQ(csv[0], "x,y,exact,error");
    for (const auto& r : rows) {
        EXPECT_EQ(listedLine(form, static_cast<std::size_t>(r.row)), r.listed);
        EXPECT_EQ(copied[r.row + 1], r.copied);
        EXPECT_EQ(csv[r.row + 1], r.csv);
    }
    EXPECT_TRUE(list1->model()->index(20, 0).data(Qt::ToolTipRole).toString().endsWith(QString::fromUtf8(
        "\nexact: y = 1·e^(−(x − 0))\ny(x) = 0.367879441171\nerror y − y(x) = 2.00e-08, relative error 5.43e-08")));

    // A run without a closed form is measured against a computed reference,
    // made on a worker: its rows say so until it is in, then change.
    clickEquation(5);
    control<QLineEdit>(form, "Text2")->setFocus();
    QSignalSpy changed(control<QListView>(form, "List1")->model(), &QAbstractItemModel::dataChanged);
    typeAndEnter("");
    const int last = list1->model()->rowCount() - 1;
    EXPECT_EQ(last, 41);
    waitForReferences(form);
    ASSERT_FALSE(changed.isEmpty()) << "the rows did not hear of their reference";
    EXPECT_EQ(changed.last().at(1).toModelIndex().row(), last);
    const QString tip = control<QListView>(form, "List1")->model()->index(last, 0).data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.contains("\nreference: computed to about 1e-12\ny(x) = ")) << tip.toStdString();
    EXPECT_TRUE(QString::fromStdString(listedLine(form, 41)).contains(QRegularExpression("^1\\.00    \\S+    -?\\d\\.\\d\\de[-+]\\d\\d$")))
        << listedLine(form, 41);
    choose(openMenu(list1, Way::MenuKey), "Copy table");
    EXPECT_TRUE(clipboard->text().startsWith("x\ty\treference\terror\n"));

    // Off again: as before, byte for byte.
    choose(openMenu(list1, Way::ShiftF10), "Show errors");
    QApplication::processEvents();
    EXPECT_EQ(list1->horizontalScrollBar()->maximum(), 0);
    const std::vector<std::string> both = listed();
    EXPECT_EQ(std::vector<std::string>(both.begin(), both.begin() + 21), before);
    control<QPushButton>("Command1")->click();
    run("0", "1");
    EXPECT_EQ(listed(), before);
    choose(openMenu(list1, Way::MenuKey), "Copy table");
    EXPECT_EQ(clipboard->text(), tableBefore);
}

// A long run's reference is made on a worker while the window goes on: its
// rows say so, hovered or listed with their errors, and Ready drops it.
TEST_F(Results, LongReferenceLeavesTheWindowFree)
{
    auto* list1 = control<QListView>("List1");
    clickEquation(5); // no closed form: computed, about 3 µs a row
    control<QPushButton>("Command1")->click();
    for (const char* text : {"0", "1", "49999"})
        typeAndEnter(text);
    ASSERT_EQ(listedCount(form), 999'981u);
    choose(openMenu(list1, Way::ShiftF10), "Show errors");
    const QString tip = list1->model()->index(999'980, 0).data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.endsWith(QString::fromUtf8("\ncomputing…"))) << tip.toStdString();
    EXPECT_TRUE(QString::fromStdString(listedLine(form, 999'980)).endsWith("    computing…"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "nothing waits on a dialog";
    control<QPushButton>("Command1")->click();
    EXPECT_EQ(listedCount(form), 0u);
}

// Each run's exact solution, a thin dark green curve beneath its points, on
// request; off, and after Ready, the plot is as before.
TEST_F(Results, ExactSolutionOnRequest)
{
    auto* list1 = control<QListView>("List1");
    auto* picture1 = control<PictureBox>("Picture1");
    clickEquation(0); // y' = - y from (0, 8): 8·e^(−x)
    control<QPushButton>("Command1")->click();
    for (const char* text : {"0", "8", "6"})
        typeAndEnter(text);
    const QImage without = picture1->shownImage();
    QMenu* menu = openMenu(picture1, Way::ShiftF10);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(entries(menu),
              (QStringList{"Copy image", "Save image as PNG…", "", "Show slope field", "Show exact solution", "", "Guide"}));
    EXPECT_FALSE(menu->actions()[menu->actions().size() - 3]->isChecked()) << "off at first";
    choose(menu, "Show exact solution");

    // Curve pixels in a box around (x, y), in the plot as shown.
    const auto green = [picture1](double x, double y, int rowsOff) {
        const QImage shown = picture1->shownImage();
        const double side = picture1->contentsRect().width();
        const int column = static_cast<int>(std::floor((x - kFrameLeft) / (kFrameRight - kFrameLeft) * side));
        const int row = static_cast<int>(std::floor((y - kFrameTop) / (kFrameBottom - kFrameTop) * side)) + rowsOff;
        int count = 0;
        for (int r = row - 2; r <= row + 2; ++r)
            for (int c = column - 2; c <= column + 2; ++c)
                count += shown.pixel(c, r) == kExactCurveColour;
        return count;
    };
    for (const double x : {0.5, 1.0, 2.0, 3.0}) {
        EXPECT_GT(green(x, 8 * std::exp(-x), 0), 0) << x;
        EXPECT_EQ(green(x, 8 * std::exp(-x), 30), 0) << x;
        EXPECT_EQ(green(x, 8 * std::exp(-x), -30), 0) << x;
    }
    EXPECT_EQ(green(8, 0.5, 0), 0) << "no curve past the run's end";
    // The copy holds it.
    choose(openMenu(picture1, Way::ShiftF10), "Copy image");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              picture1->shownImage());
    // With RK_PICTURES set to a folder, the window with the curve and the
    // error column is saved there (make screenshot).
    if (const QString folder = qEnvironmentVariable("RK_PICTURES"); !folder.isEmpty()) {
        choose(openMenu(list1, Way::ShiftF10), "Show errors");
        list1->horizontalScrollBar()->setValue(list1->horizontalScrollBar()->maximum());
        EXPECT_TRUE(form.grab().save(QDir(folder).filePath("exact-solution.png")));
        choose(openMenu(list1, Way::ShiftF10), "Show errors");
    }

    choose(openMenu(picture1, Way::RightButton), "Show exact solution");
    EXPECT_EQ(picture1->shownImage(), without);
    choose(openMenu(picture1, Way::RightButton), "Show exact solution");
    EXPECT_NE(picture1->shownImage(), without);
    // Ready clears the curves with the runs.
    control<QPushButton>("Command1")->click();
    const QImage ready = picture1->shownImage();
    int curve = 0;
    for (int row = 0; row < ready.height(); ++row)
        for (int column = 0; column < ready.width(); ++column)
            curve += ready.pixel(column, row) == kExactCurveColour;
    EXPECT_EQ(curve, 0);
}

// The program's messages follow the locale's language; everything else in
// the window, numbers included, is the same in every locale.
struct LocaleCase {
    const char* name;
    QLocale locale;
    const char* outOfRange;
    const char* tooLong;
    const char* stopped;
    const char* noEquation;  // a row's explanation when its run had no equation
    const char* stoppedStep; // the end of a stopped run's last row's explanation
    const char* lastRow;     // the end of a whole run's last row's explanation, for 0 to 0.2
    const char* startOutOfRange;
    const char* ownEntry; // List2's menu entry
    const char* readAs;   // the editor's line for xcos(4x) -y
    const char* fieldEntry; // the plot's menu entry for the slope field
    const char* equationTip; // List2's tooltip, which names its menu
    const char* exactEntry;  // the plot's menu entry for the exact solution
    const char* errorsEntry; // the list's menu entry for the errors
    const char* exactWord;   // how a row's truth begins with a closed form
    const char* referenceLine; // and with a computed reference
    const char* starsHint;   // the editor's message for y**2
    const char* endBeforeStart; // the message for x2 = -1 left of x1 = 0
    const char* equationEntries; // List2's menu, entries apart by "|"
    const char* heunHeading;     // the heading of runs by Heun at h = 0.1
};

const char* const kEnglish[] = {
    "The final abscissa x2 or the start abscissa x1 is beyond the range of numbers, so the run was not started.",
    "A run is limited to 1,000,000 steps of 0.05, so x2 - x1 must stay below 50,000. The run was not started.",
    "The solution grew beyond the range of numbers at x = 0.05, so the run stopped there: it may blow up near "
    "this x.",
    "No equation was selected for this run, so every slope is 0 and y keeps its start value.",
    "\ny(x + h) is beyond the range of numbers, so the run stops before x = 0.05.",
    "\nLast row of this run: (x2 − x1)/h = 4 steps,\nso the passes are i = 0 … 4 and the run ends at x2.",
    "The initial ordinate y1 is beyond the range of numbers, so the run was not started.",
    "Own equation…",
    "Read as: y' = (x · cos(4 · x)) − y",
    "Show slope field",
    "Right-click for your own equation",
    "Show exact solution",
    "Show errors",
    "\nexact: y = ",
    "\nreference: computed to about 1e-12\ny(x) = ",
    "Use ^ for powers, not ** (character 2): for example x^2.",
    "A run goes from x1 to the right, but x2 = -1 lies to the left of x1 = 0, so nothing was computed. Type an x2 "
    "greater than x1.",
    "Own equation…|Compare steps and methods…||Step h = 0.05…|&Method||Guide",
    "Heun Method, h = 0.1",
};

const LocaleCase kLocales[] = {
    {"C", QLocale::c(), kEnglish[0], kEnglish[1], kEnglish[2], kEnglish[3], kEnglish[4], kEnglish[5], kEnglish[6],
     kEnglish[7], kEnglish[8], kEnglish[9], kEnglish[10], kEnglish[11], kEnglish[12], kEnglish[13], kEnglish[14],
     kEnglish[15], kEnglish[16], kEnglish[17], kEnglish[18]},
    {"Japanese", QLocale(QLocale::Japanese, QLocale::Japan),
     "終わりの x2 か初めの x1 が扱える数の範囲を超えているので、計算は始めませんでした。",
     "1 回の計算は刻み 0.05 で 1,000,000 ステップまでなので、x2 - x1 は 50,000 未満にしてください。"
     "計算は始めませんでした。",
     "解が x = 0.05 で扱える数の範囲を超えたので、計算をそこで止めました。解はこの x の近くで発散するのかもしれません。",
     "この計算では方程式が選ばれていないので、傾きはどれも 0 で、y は初めの値のままです。",
     "\ny(x + h) が扱える数の範囲を超えるので、計算は x = 0.05 の手前で止まります。",
     "\nこの計算の最後の行です: (x2 − x1)/h = 4 ステップなので、\ni = 0 … 4 まで計算して x2 で終わります。",
     "初めの y1 が扱える数の範囲を超えているので、計算は始めませんでした。",
     "自分の方程式…",
     "読み方: y' = (x · cos(4 · x)) − y",
     "方向場を表示",
     "右クリックで自分の方程式を入力できます",
     "厳密解を表示",
     "誤差を表示",
     "\n厳密解: y = ",
     "\n参照解: 相対精度およそ 1e-12 で計算\ny(x) = ",
     "2 文字目: 累乗には ** ではなく ^ を使います。例: x^2",
     "計算は x1 から右へ進みますが、x2 = -1 は x1 = 0 より左にあるので、何も計算しませんでした。x1 より大きい x2 を入力してください。",
     "自分の方程式…|刻み幅と解法を比べる…||刻み h = 0.05…|解法(&M)||ガイド",
     "ホイン法、h = 0.1"},
    // No translation of the program's own: English.
    {"German", QLocale(QLocale::German, QLocale::Germany), kEnglish[0], kEnglish[1], kEnglish[2], kEnglish[3],
     kEnglish[4], kEnglish[5], kEnglish[6], kEnglish[7], kEnglish[8], kEnglish[9], kEnglish[10], kEnglish[11],
     kEnglish[12], kEnglish[13], kEnglish[14], kEnglish[15], kEnglish[16], kEnglish[17], kEnglish[18]},
};

// The editor's message wraps within it and shows whole, unless it is longer
// than a screenful's share; a screen reader is told it, from the label and
// from the field.
void expectWholeMessage(OwnEquationDialog* editor, bool scrolls = false)
{
    QApplication::processEvents(); // the layout follows the text
    auto* label = editor->findChild<QLabel*>("OwnEquationReading");
    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->text().toStdString();
    EXPECT_LE(label->minimumSizeHint().width(), label->width()) << label->text().toStdString();
    EXPECT_EQ(label->visibleRegion() == QRegion(label->rect()), !scrolls) << label->text().toStdString();
    EXPECT_LE(editor->height(), editor->screen()->availableGeometry().height());
    const QString said = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Description);
    EXPECT_EQ(said, label->text());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(editor->findChild<QLineEdit*>())->text(QAccessible::Description),
              said);
}

// Translators first, then the window; English again afterwards.
struct TranslatorsFor {
    explicit TranslatorsFor(const QLocale& locale) { installTranslators(locale); }
    ~TranslatorsFor() { installTranslators(QLocale::c()); }
};

class RunsIn : public ::testing::WithParamInterface<LocaleCase>, public TranslatorsFor, public FormFixture {
protected:
    RunsIn() : TranslatorsFor(GetParam().locale) {}

    QMessageBox* message()
    {
        QApplication::processEvents();
        return form.findChild<QMessageBox*>("RunMessage");
    }
};

TEST_P(RunsIn, RefusedRunShowsWhyAndChangesNothing)
{
    auto* text3 = control<QLineEdit>("Text3");
    clickEquation(1);
    control<QPushButton>("Command1")->click();
    QApplication::processEvents();
    const QImage before = control<PictureBox>("Picture1")->image().copy();
    typeAndEnter("0");
    const struct {
        const char* y1;
        const char* x2;
        const char* message;
    } refused[] = {
        {"1", "1e999", GetParam().outOfRange},
        {"1", "50000", GetParam().tooLong},
        // An initial ordinate past the doubles is the input's fault, not the solution's.
        {"1e309", "0.1", GetParam().startOutOfRange},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.x2);
        text3->setFocus();
        text3->clear();
        typeAndEnter(c.y1);
        control<QLineEdit>("Text2")->clear();
        typeAndEnter(c.x2);
        QMessageBox* box = message();
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isVisible());
        EXPECT_EQ(box->text(), QString::fromUtf8(c.message));
        EXPECT_EQ(listedCount(form), 0u);
        EXPECT_EQ(control<PictureBox>("Picture1")->image(), before);
        box->accept();
        QApplication::processEvents();
        reactivate();
    }

    // x2 left of x1: nothing listed, and said.
    text3->setFocus();
    text3->clear();
    typeAndEnter("1");
    typeAndEnter("-1");
    ASSERT_NE(message(), nullptr);
    EXPECT_EQ(message()->text(), QString::fromUtf8(GetParam().endBeforeStart));
    EXPECT_EQ(listedCount(form), 0u);
    message()->accept();
    QApplication::processEvents();
    reactivate();

    // Answered, the window goes on: a sound run works.
    text3->setFocus();
    text3->clear();
    typeAndEnter("1");
    typeAndEnter("0.1"); // over x2 = -1, selected by the Enter before
    EXPECT_EQ(listedCount(form), 3u);
}

TEST_P(RunsIn, StoppedRunKeepsWhatItListed)
{
    clickEquation(0);
    control<QLineEdit>("Text1")->setFocus();
    control<QLineEdit>("Text1")->clear();
    typeAndEnter("0");
    control<QLineEdit>("Text3")->clear();
    typeAndEnter("-1.7e308");
    control<QLineEdit>("Text2")->clear();
    typeAndEnter("1");
    QMessageBox* box = message();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QString::fromUtf8(GetParam().stopped));
    EXPECT_EQ(listedCount(form), 1u);
    EXPECT_TRUE(control<QListView>("List1")->model()->index(0, 0).data(Qt::ToolTipRole).toString().contains(
        QString::fromUtf8(GetParam().stoppedStep) + QString::fromUtf8(GetParam().exactWord)));
    box->accept();
}

// Each row explains its step with its own run's equation, as a tooltip, to a
// screen reader and on Shift+F1; the steps are worked here apart from the run.
TEST_P(RunsIn, EveryRowExplainsItsStep)
{
    const int runs[] = {-1, 0, 1, 5}; // List2's rows; -1 before any equation is picked
    const QString step = QString::fromUtf8("%1\nx = %2   y = %3\nk1 = f(x, y) = %4\nk2 = f(x + h/2, y + k1·h/2) = %5\n"
                                           "k3 = f(x + h/2, y + k2·h/2) = %6\nk4 = f(x + h, y + k3·h) = %7\n"
                                           "y(x + h) = y + h·((k1 + k4) + 2·(k2 + k3))/6 = %8");
    const auto fixed = [](double d) { return QString::number(d, 'f', 5); };
    QListView* list = control<QListView>("List1");
    control<QPushButton>("Command1")->click();
    typeAndEnter("0");
    typeAndEnter("1");
    int at = 0;
    for (const int equationRow : runs) {
        const auto f = [equationRow](double x, double y) { return rk::f(equationRow + 1, x, y); };
        if (equationRow >= 0)
            clickEquation(equationRow);
        control<QLineEdit>("Text2")->setFocus();
        typeAndEnter(at == 0 ? "0.2" : "");
        waitForReferences(form);
        for (double i = 0, y = 1; i < 5; ++i, ++at) {
            const QModelIndex index = list->model()->index(at, 0);
            const QString shown = index.data(Qt::ToolTipRole).toString();
            QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(list)->child(at);
            EXPECT_EQ(cell->text(QAccessible::Description), shown);
            if (equationRow < 0) {
                EXPECT_EQ(shown, QString::fromUtf8(GetParam().noEquation) +
                                     (i == 4 ? QString::fromUtf8(GetParam().lastRow) : QString()));
                continue;
            }
            const double x = i * 0.05, k1 = f(x, y), k2 = f(x + 0.025, y + k1 * 0.025),
                         k3 = f(x + 0.025, y + k2 * 0.025), k4 = f(x + 0.05, y + k3 * 0.05);
            y = y + (0.05 * ((k1 + k4) + 2 * (k2 + k3))) / 6;
            const QStringList row = index.data().toString().split("    ");
            const QString worked = step.arg(toQString(kEquationTexts[equationRow]), row[0], row[1], fixed(k1),
                                            fixed(k2), fixed(k3), fixed(k4), fixed(y)) +
                                   (i == 4 ? QString::fromUtf8(GetParam().lastRow) : QString());
            EXPECT_EQ(shown.left(worked.size()), worked) << "row " << at;
            // Then how far the row is from the truth: equations 1 and 2 have closed forms.
            EXPECT_TRUE(shown.mid(worked.size())
                            .startsWith(QString::fromUtf8(equationRow < 5 ? GetParam().exactWord : GetParam().referenceLine)))
                << "row " << at << ": " << shown.mid(worked.size()).toStdString();
            if (i < 4) {
                EXPECT_EQ(index.siblingAtRow(at + 1).data().toString().split("    ")[1], fixed(y)) << "row " << at;
            }
        }
    }
    // Shift+F1 on the list shows the selected row's text, just as What's This would show it.
    const auto whatsThis = [] {
        QWidget* popup = QApplication::activePopupWidget();
        return popup && popup->close() ? popup->grab().toImage() : QImage();
    };
    const QModelIndex last = list->model()->index(at - 1, 0);
    list->scrollTo(last);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(last).center());
    QTest::keyClick(list, Qt::Key_F1, Qt::ShiftModifier);
    const QImage shown = whatsThis();
    QWhatsThis::showText(QPoint(), last.data(Qt::ToolTipRole).toString(), list);
    EXPECT_FALSE(shown.isNull());
    EXPECT_EQ(shown, whatsThis());
}

TEST_P(RunsIn, DesignTextsAndTableAsInEveryLocale)
{
    EXPECT_EQ(form.windowTitle(), "RungeKutta");
    EXPECT_EQ(control<QLabel>("Label6")->text(), "Runge Kutta Method");
    for (const ControlDesign& d : kControlDesigns) {
        if (!d.caption.empty()) {
            EXPECT_EQ(textOf(form.findChild<QWidget*>(qs(d.name))), qs(d.caption)) << d.name;
        }
    }
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(control<QListWidget>("List2")->model()->index(row, 0).data().toString(), toQString(kEquationTexts[row]));
    control<QPushButton>("Command3")->click();
    EXPECT_EQ(control<QPlainTextEdit>("Text4")->toPlainText(), toQString(kHelpText));

    clickEquation(1);
    control<QPushButton>("Command1")->click();
    typeAndEnter("0");
    typeAndEnter("1,5");
    typeAndEnter("0.1");
    // "1,5" is 1 everywhere: the comma is never a decimal point.
    EXPECT_EQ(listed(), (std::vector<std::string>{"0.00    1.00000", "0.05    0.95246", "0.10    0.90967"}));
}

// The editor of an own equation speaks the language too. With
// RK_PICTURES set to a folder, its picture is saved there (make screenshot
// puts them in docs/).
TEST_P(RunsIn, OwnEquationEditor)
{
    auto* list2 = control<QListWidget>("List2");
    EXPECT_EQ(list2->toolTip(), QString::fromUtf8(GetParam().equationTip));
    clickEquation(0);
    // The right button opens the menu over another row without choosing it.
    QMenu* menu = openMenu(list2, Way::RightButton, list2->visualRect(list2->model()->index(4, 0)).center());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(ListIndex(*list2), 0);
    EXPECT_EQ(entries(menu), QString::fromUtf8(GetParam().equationEntries).split('|'));
    choose(menu, QString::fromUtf8(GetParam().ownEntry));
    auto* editor = form.findChild<OwnEquationDialog*>();
    ASSERT_NE(editor, nullptr);
    typeText(editor->findChild<QLineEdit*>(), "xcos(4x) -y");
    EXPECT_EQ(editor->findChild<QLabel*>("OwnEquationReading")->text(), QString::fromUtf8(GetParam().readAs));
    expectWholeMessage(editor);
    for (const char* typed : {"foo", "y**2"}) { // the longest message, with the known names, and a hint
        editor->findChild<QLineEdit*>()->selectAll();
        typeText(editor->findChild<QLineEdit*>(), typed);
        expectWholeMessage(editor);
    }
    EXPECT_EQ(editor->findChild<QLabel*>("OwnEquationReading")->text(), QString::fromUtf8(GetParam().starsHint));
    if (const QString folder = qEnvironmentVariable("RK_PICTURES"); !folder.isEmpty()) {
        editor->adjustSize();
        QApplication::processEvents();
        EXPECT_TRUE(editor->grab().save(QDir(folder).filePath(QString("editor-%1.png").arg(GetParam().name))));
    }
    editor->reject();
    QApplication::processEvents();
    reactivate();

    menu = openMenu(control<PictureBox>("Picture1"), Way::ShiftF10);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions()[3]->text(), QString::fromUtf8(GetParam().fieldEntry));
    EXPECT_EQ(menu->actions()[4]->text(), QString::fromUtf8(GetParam().exactEntry));
    menu->close();
    menu = openMenu(control<QListView>("List1"), Way::ShiftF10);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions()[5]->text(), QString::fromUtf8(GetParam().errorsEntry));
    menu->close();
}

// Another step and method come from List2's menu and name themselves in the
// heading; back at 0.05 and Runge-Kutta, a run is the design's to the pixel.
TEST_P(RunsIn, StepAndMethodAreChosenFromTheEquationMenu)
{
    auto* label6 = control<QLabel>("Label6");
    auto* list1 = control<QListView>("List1");
    const auto runFromZero = [this] {
        control<QPushButton>("Command1")->click();
        for (const char* text : {"0", "1", "0.3"})
            typeAndEnter(text);
        QApplication::processEvents();
    };
    const auto pick = [this](int entry, int subEntry = -1) {
        QMenu* menu = openMenu(control<QListWidget>("List2"), Way::ShiftF10);
        ASSERT_NE(menu, nullptr);
        choose(menu, entries(menu)[entry]);
        if (subEntry >= 0) {
            QMenu* methods = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(methods, menu) << "the methods open in a menu of their own";
            choose(methods, entries(methods)[subEntry]);
            EXPECT_TRUE(methods->actions()[subEntry]->isChecked());
        }
        QApplication::processEvents();
        reactivate();
    };
    clickEquation(0);
    runFromZero();
    const std::vector<std::string> designLines = listed();
    const QImage designPlot = control<PictureBox>("Picture1")->image().copy();
    const QString designHeading = label6->text(), designTitle = form.windowTitle();

    pick(4, 1); // Heun
    pick(3);    // the step
    auto* dialog = form.findChild<StepDialog*>();
    ASSERT_NE(dialog, nullptr);
    auto* field = dialog->findChild<QLineEdit*>("StepField");
    auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_EQ(field->text(), "0.05");
    for (const char* refused : {"", "0,1", "0", "-0.1", "2e9"}) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        typeText(field, refused);
        EXPECT_FALSE(ok->isEnabled()) << refused;
        EXPECT_FALSE(dialog->findChild<QLabel*>("StepProblem")->text().isEmpty()) << refused;
    }
    field->selectAll();
    typeText(field, "0.1");
    QTest::keyClick(field, Qt::Key_Return);
    QApplication::processEvents();
    reactivate();
    const QString heading = QString::fromUtf8(GetParam().heunHeading);
    EXPECT_EQ(label6->text(), heading);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(label6)->text(QAccessible::Name), heading);
    EXPECT_GE(label6->width(), label6->sizeHint().width()) << "the heading shows whole";
    EXPECT_EQ(form.windowTitle(), designTitle + QString::fromUtf8(" — ") + heading);
    EXPECT_EQ(entries(openMenu(control<QListWidget>("List2"), Way::ShiftF10))[3], QString::fromUtf8(GetParam().equationEntries)
                                                                    .split('|')[3]
                                                                    .replace("0.05", "0.1"));
    QApplication::activePopupWidget()->close();

    runFromZero();
    // Heun on y' = -y multiplies y by 1 - h + h²/2 = 0.905 a step.
    EXPECT_EQ(listed(), (std::vector<std::string>{"0.00    1.00000", "0.10    0.90500", "0.20    0.81903",
                                                  "0.30    0.74122"}));
    const QString first = list1->model()->index(0, 0).data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(first.contains(heading + "\n")) << first.toStdString();
    EXPECT_TRUE(first.contains("\nk1 = f(x, y) = -1.00000\nk2 = f(x + h, y + k1·h) = -0.90000\n"
                               "y(x + h) = y + h·(k1 + k2)/2 = 0.90500"))
        << first.toStdString();
    // The truth is taken on the run's own grid: at x = 0.1, e^-0.1.
    const QString second = list1->model()->index(1, 0).data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(second.contains("0.904837418036\n") && second.contains("1.63e-04")) << second.toStdString();

    const auto setStep = [&](const char* step) {
        pick(3);
        dialog = form.findChild<StepDialog*>();
        ASSERT_NE(dialog, nullptr);
        field = dialog->findChild<QLineEdit*>("StepField");
        field->selectAll();
        typeText(field, step);
        QTest::keyClick(field, Qt::Key_Return);
        QApplication::processEvents();
        reactivate();
    };
    // A finer step's longer x scrolls into view.
    setStep("0.00625");
    control<QPushButton>("Command1")->click();
    for (const char* text : {"0", "1", "0.0125"})
        typeAndEnter(text);
    ASSERT_EQ(listed().size(), 3u);
    EXPECT_EQ(listed()[2], "0.01250    0.98758");
    EXPECT_EQ(list1->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_GE(list1->gridSize().width(), list1->fontMetrics().horizontalAdvance("0.01250    0.98758"));

    pick(4, 3); // back to Runge-Kutta
    setStep("0.05");
    EXPECT_EQ(label6->text(), designHeading);
    EXPECT_EQ(form.windowTitle(), designTitle);
    runFromZero();
    EXPECT_EQ(listed(), designLines);
    EXPECT_EQ(control<PictureBox>("Picture1")->image(), designPlot);
    EXPECT_EQ(list1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff) << "Ready gave the design's list back";
}

INSTANTIATE_TEST_SUITE_P(Locales, RunsIn, ::testing::ValuesIn(kLocales),
                         [](const auto& info) { return std::string(info.param.name); });

// An equation of the user's own, through List2's menu and its editor.
class OwnEquations : public FormFixture {
protected:
    OwnEquationDialog* openEditor()
    {
        choose(openMenu(control<QListWidget>("List2"), Way::ShiftF10), "Own equation…");
        return form.findChild<OwnEquationDialog*>();
    }
    // Types `text` over what the editor holds, then Enter.
    void typeOwn(const QString& text)
    {
        OwnEquationDialog* editor = openEditor();
        ASSERT_NE(editor, nullptr);
        editorField(editor)->selectAll();
        typeText(editorField(editor), text);
        QTest::keyClick(editorField(editor), Qt::Key_Return);
        QApplication::processEvents();
        reactivate();
    }
    // From 0 with y1 = 1 to 0.3: six lines, the last a step short of 0.3.
    void runFromZero()
    {
        control<QPushButton>("Command1")->click();
        for (const char* text : {"0", "1", "0.3"})
            typeAndEnter(text);
    }
    QStringList explanations(int from = 0) const
    {
        waitForReferences(form);
        QStringList shown;
        for (int row = from; row < control<QListView>("List1")->model()->rowCount(); ++row)
            shown << control<QListView>("List1")->model()->index(row, 0).data(Qt::ToolTipRole).toString();
        return shown;
    }

    // The words of the steps alone, without how far each row is from the
    // truth: a typed equation is measured against a computed reference even
    // where the list's has a closed form.
    static QStringList stepsOnly(QStringList explained)
    {
        for (QString& text : explained) {
            const qsizetype truth = std::max(text.indexOf("\nexact: "), text.indexOf("\nreference: "));
            EXPECT_GT(truth, 0) << text.toStdString();
            text.truncate(truth);
        }
        return explained;
    }
};

TEST_F(OwnEquations, TypedEquationRunsAndKeepsItsRowsExplained)
{
    auto* list2 = control<QListWidget>("List2");
    OwnEquationDialog* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isModal());
    EXPECT_EQ(QApplication::focusWidget(), editorField(editor));
    EXPECT_FALSE(editorOk(editor)->isEnabled()) << "an empty text does not read";
    typeText(editorField(editor), "x - y");
    QTest::keyClick(editorField(editor), Qt::Key_Escape);
    QApplication::processEvents();
    reactivate();
    EXPECT_EQ(list2->count(), 6) << "Cancel changes nothing";

    typeOwn(QString::fromUtf8("\u00A0 y' = xcos(4x) -y\r\n")); // pasted, with what the field shows already
    ASSERT_EQ(list2->count(), 7);
    EXPECT_EQ(list2->item(6)->text(), "y' = xcos(4x) -y");
    EXPECT_EQ(ListIndex(*list2), 6);
    runFromZero();
    const QStringList first = explanations();
    ASSERT_EQ(first.size(), 7) << "the run reaches x2 = 0.3";
    EXPECT_TRUE(first[0].startsWith("y' = xcos(4x) -y\nx = 0.00   y = 1.00000\nk1 = f(x, y) = -1.00000\n"));
    // How the run came to end at 0.3.
    EXPECT_TRUE(stepsOnly(first)[6].endsWith("\nLast row of this run: (x2 − x1)/h comes out as 5.999999999999999\n"
                                  "in the computer's arithmetic, which is 6 but for rounding,\n"
                                  "so the passes are i = 0 … 6 and the run ends at x2."));

    // Edited, the seventh row says the new text; the rows listed before
    // still explain the steps they were computed with.
    editor = openEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editorField(editor)->text(), "xcos(4x) -y");
    expectWholeMessage(editor);
    editorField(editor)->selectAll();
    typeText(editorField(editor), "x - y");
    EXPECT_EQ(editorReading(editor), QString::fromUtf8("Read as: y' = x − y"));
    QTest::keyClick(editorField(editor), Qt::Key_Return);
    QApplication::processEvents();
    reactivate();
    EXPECT_EQ(list2->count(), 7);
    EXPECT_EQ(list2->item(6)->text(), "y' = x - y");
    control<QLineEdit>("Text2")->setFocus();
    typeAndEnter("");
    EXPECT_EQ(explanations().mid(0, 7), first);
    EXPECT_TRUE(explanations(7).first().startsWith("y' = x - y\n"));
    control<QPushButton>("Command1")->click();
    EXPECT_EQ(ListIndex(*list2), 6) << "Ready keeps the own equation selected";

    // A slope without a value stops the run at its row.
    typeOwn("sqrt(x - 0.1) + y");
    runFromZero();
    QApplication::processEvents();
    auto* box = form.findChild<QMessageBox*>("RunMessage");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "The slope has no value at x = 0, so the run stopped there.");
    EXPECT_EQ(listed(), std::vector<std::string>{"0.00    1.00000"});
    EXPECT_TRUE(explanations().first().endsWith("\nk1 has no value at x = 0.00, so the run stops here.\n"
                                                "reference: computed to about 1e-12\ny(x) = 1\n"
                                                "error y − y(x) = 0.00e+00, relative error 0.00e+00"))
        << explanations().first().toStdString();
    box->accept();
}

// Each list text typed as an own equation gives the list equation's table
// and explanations, digit for digit.
// Also where the numbers overflow (4x at x = 1e308), and no line of an
// explanation grows past what a tooltip can show.
TEST_F(OwnEquations, ListTextsTypedGiveTheListsRuns)
{
    const auto run = [this](const char* x1, const char* x2) {
        control<QPushButton>("Command1")->click();
        for (const char* text : {x1, "1", x2})
            typeAndEnter(text);
        if (auto* box = form.findChild<QMessageBox*>("RunMessage"))
            box->accept();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        reactivate();
    };
    for (const auto& [x1, x2] : {std::pair{"0", "0.3"}, std::pair{"1e308", "1e308"}}) {
        for (int row = 0; row < 6; ++row) {
            const QString text = toQString(kEquationTexts[static_cast<std::size_t>(row)]).mid(5);
            SCOPED_TRACE(text.toStdString() + " from " + x1);
            clickEquation(row);
            run(x1, x2);
            const std::vector<std::string> lines = listed();
            const QStringList explained = explanations();
            typeOwn(text);
            ASSERT_EQ(ListIndex(*control<QListWidget>("List2")), 6) << "the run is not the typed equation's";
            run(x1, x2);
            EXPECT_EQ(listed(), lines);
            EXPECT_EQ(stepsOnly(explanations()), stepsOnly(explained));
            for (const QString& line : explained.join('\n').split('\n'))
                EXPECT_LE(line.size(), 100) << line.toStdString();
        }
    }
}

struct RefusedText {
    const char* typed;
    const char* message;
    bool marked = true; // false where the place is the end of the text
};

// What is wrong, at which character, marked in the text; OK stays disabled.
TEST_F(OwnEquations, UnreadableTextsSayWhereAndAreMarked)
{
    OwnEquationDialog* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    // Marked: pixels tinted red, which the plain field, black on white, never has.
    const auto marked = [&] {
        const QImage shown = editorField(editor)->grab().toImage();
        int count = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb p = shown.pixel(x, y);
                count += qRed(p) > qGreen(p) + 40 && qRed(p) > qBlue(p) + 40;
            }
        return count;
    };
    expectWholeMessage(editor);
    const RefusedText cases[] = {
        {"x +", "A number, x, y or an opening parenthesis is missing at character 4.", false},
        {"foo(x)", "\"foo\" at character 1 is not a known name."},
        {"sin x", "The function before character 5 needs its argument in parentheses."},
        {"3..5", "The number at character 2 is malformed: a decimal point needs a digit after it."},
        {"2 ** x", "Use ^ for powers, not ** (character 3): for example x^2."},
        {"(x + 1", "A closing parenthesis is missing at character 7.", false},
        {"0,5*y", "Use a point in numbers, not a comma (character 2): for example 0.5."},
        {"Ｓｉｎ(x)", "\"Ｓｉｎ\" at character 1: names are lower case, so type sin."},
        {"log10(x)", "\"log10\" at character 1 is not a known name. Known: x, y, pi, e and the functions sin, cos, "
                     "tan, asin, acos, atan, sinh, cosh, tanh, exp, ln, log, sqrt, abs."},
        {"cos²(x)", "Write the power after the function's argument, as in cos(x)^2 (character 1)."},
        {"-2ty", "\"t\" at character 3 is not a known name: the variable here is x."},
        {"y' = (x", "A closing parenthesis is missing at character 8.", false},
    };
    for (const RefusedText& c : cases) {
        SCOPED_TRACE(c.typed);
        editorField(editor)->selectAll();
        typeText(editorField(editor), c.typed);
        EXPECT_TRUE(editorReading(editor).startsWith(QString::fromUtf8(c.message))) << editorReading(editor).toStdString();
        EXPECT_FALSE(editorOk(editor)->isEnabled());
        EXPECT_EQ(marked() > 0, c.marked) << "the place is marked in the text";
        expectWholeMessage(editor);
    }
    editorField(editor)->selectAll();
    typeText(editorField(editor), QString::fromUtf8("ｘ\r－\u2009ｙ\n"));
    EXPECT_EQ(editorReading(editor), QString::fromUtf8("Read as: y' = x − y"));
    EXPECT_TRUE(editorOk(editor)->isEnabled());
    EXPECT_EQ(marked(), 0);
    // Within the limits as typed, whatever the length of its read-as line.
    editorField(editor)->selectAll();
    typeText(editorField(editor), QString(1000, 'x'));
    EXPECT_TRUE(editorReading(editor).startsWith("Read as: y' = ((((")) << editorReading(editor).toStdString();
    EXPECT_TRUE(editorOk(editor)->isEnabled());
    expectWholeMessage(editor, true);
    editor->reject();
}

} // namespace
} // namespace rk
