#pragma once
// A started window, shown offscreen and active, as after the program's start.

#include "app/Form1.h"
#include "app/OwnEquationDialog.h"
#include "widgets/ResultsModel.h"

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace rk {

// A control of the window by its design name, as Text1, of its stock kind.
// A missing one ends the test program: every later line would need it.
template <typename Control = QWidget>
Control* control(const QWidget& form, const char* name)
{
    auto* found = form.findChild<Control*>(QLatin1String(name));
    if (!found)
        qFatal("the window has no %s of that kind", name);
    return found;
}

// Brings the window to the front, as at the start or after answering a message box.
inline void activate(Form1& form)
{
    QApplication::setActiveWindow(&form);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
}

// The lines that List1 shows, as a person reads them.
inline std::size_t listedCount(const Form1& form)
{
    return static_cast<std::size_t>(control<QListView>(form, "List1")->model()->rowCount());
}
inline std::string listedLine(const Form1& form, std::size_t row)
{
    return control<QListView>(form, "List1")->model()->index(static_cast<int>(row), 0).data().toString().toStdString();
}

// Lets the window take in the references of the runs listed so far, which
// are made on a worker: rows that need one explain their truth only then.
inline void waitForReferences(const Form1& form)
{
    const auto* results = qobject_cast<const ResultsModel*>(control<QListView>(form, "List1")->model());
    ASSERT_NE(results, nullptr);
    const auto made = [results] {
        const ResultsTable& table = results->table();
        for (std::size_t r = 0; r < table.runCount(); ++r)
            if (const RunSpan run = table.run(r); run.lines > 0 && results->computing(run.firstLine))
                return false;
        return true;
    };
    EXPECT_TRUE(QTest::qWaitFor(made, 60'000)) << "the references were not made within a minute";
}

// Loads, shows and activates the window, as the program's start does.
inline void startWindow(Form1& form)
{
    form.Form_Load();
    form.show();
    activate(form);
    QApplication::processEvents();
}

// Short ASCII as key strokes; anything else as an input method commits it
// (a key event per character would make long texts crawl).
inline void typeText(QWidget* target, const QString& text)
{
    bool ascii = text.size() <= 64;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        QTest::keyClicks(target, text);
        return;
    }
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(target, &commit);
}

// Results leave the window through the context menus of the table and the
// plot, and an own equation comes in through the equation list's.
enum class Way { RightButton, MenuKey, ShiftF10 };

inline QMenu* openMenu(QWidget* target, Way way, QPoint at = QPoint(30, 8))
{
    target->setFocus();
    if (way == Way::RightButton) {
        // What the platform makes of a click of the right button.
        auto* list = qobject_cast<QAbstractScrollArea*>(target);
        QWidget* under = list ? list->viewport() : target;
        QTest::mouseClick(under, Qt::RightButton, {}, at);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, under->mapToGlobal(at));
        QApplication::sendEvent(under, &click);
    } else {
        QTest::keyClick(target, way == Way::MenuKey ? Qt::Key_Menu : Qt::Key_F10,
                        way == Way::MenuKey ? Qt::NoModifier : Qt::ShiftModifier);
    }
    QApplication::processEvents();
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// The entries as a person reads them; "-" marks a disabled one.
inline QStringList entries(const QMenu* menu)
{
    QStringList seen;
    for (const QAction* action : menu ? menu->actions() : QList<QAction*>())
        seen << (action->isEnabled() ? "" : "-") + action->text();
    return seen;
}

// Picks an entry with the arrow keys and Enter.
inline void choose(QMenu* menu, const QString& entry)
{
    ASSERT_NE(menu, nullptr);
    for (int step = 0; step < 10 && (!menu->activeAction() || menu->activeAction()->text() != entry); ++step)
        QTest::keyClick(menu, Qt::Key_Down);
    ASSERT_EQ(menu->activeAction() ? menu->activeAction()->text() : QString(), entry);
    QTest::keyClick(menu, Qt::Key_Return);
    QApplication::processEvents();
}

// The own equation's editor, as a person sees it.
inline QLineEdit* editorField(OwnEquationDialog* editor) { return editor->findChild<QLineEdit*>("OwnEquationText"); }
inline QString editorReading(OwnEquationDialog* editor)
{
    return editor->findChild<QLabel*>("OwnEquationReading")->text();
}
inline QPushButton* editorOk(OwnEquationDialog* editor)
{
    return editor->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

class FormFixture : public ::testing::Test {
protected:
    FormFixture() { startWindow(form); }

    QString focusName() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString("(none)");
    }

    // Types text into whichever box has the focus, then Enter.
    void typeAndEnter(const QString& text)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        typeText(focus, text);
        QTest::keyClick(focus, Qt::Key_Return);
        QApplication::processEvents();
    }

    void reactivate() { activate(form); }

    // A control of this window by its design name; of another window too.
    template <typename Control = QWidget>
    Control* control(const char* name) const
    {
        return rk::control<Control>(form, name);
    }
    template <typename Control = QWidget>
    static Control* control(const QWidget& window, const char* name)
    {
        return rk::control<Control>(window, name);
    }

    void clickEquation(int row)
    {
        auto* equations = control<QListWidget>("List2");
        const QModelIndex index = equations->model()->index(row, 0);
        equations->scrollTo(index); // only the rows in view can be clicked
        const QRect rect = equations->visualRect(index);
        QTest::mouseClick(equations->viewport(), Qt::LeftButton, {}, rect.center());
    }

    std::vector<std::string> listed() const
    {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < listedCount(form); ++i)
            lines.push_back(listedLine(form, i));
        return lines;
    }

    Form1 form;
};

} // namespace rk
