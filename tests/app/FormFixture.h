#pragma once
// A started window, shown offscreen and active, as after the program's start.

#include "app/Form1.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace rk {

// Brings the window to the front, as at the start or after answering a message box.
inline void activate(Form1& form)
{
    QApplication::setActiveWindow(&form);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
}

// The lines that List1 shows, as a person reads them.
inline std::size_t listedCount(const Form1& form) { return static_cast<std::size_t>(form.List1->model()->rowCount()); }
inline std::string listedLine(const Form1& form, std::size_t row)
{
    return form.List1->model()->index(static_cast<int>(row), 0).data().toString().toStdString();
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

    void clickEquation(int row)
    {
        const QModelIndex index = form.List2->model()->index(row, 0);
        form.List2->scrollTo(index); // only the rows in view can be clicked
        const QRect rect = form.List2->visualRect(index);
        QTest::mouseClick(form.List2->viewport(), Qt::LeftButton, {}, rect.center());
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
