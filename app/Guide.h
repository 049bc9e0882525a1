#pragma once
// The guide: what each control does, the Enter chain, each context menu
// and what is in it, the keys, the table, the errors and the comparison,
// in the user's language, with a picture to each part. F1 opens it, and a
// "Guide" entry at the end of every context menu.
//
// Its text is Markdown kept in docs/guide/ and built into the program; the
// English text is also the GUIDE section of the manual page
// (scripts/guide-to-man.py writes it there, and a test keeps the two the
// same). A heading ends in "{#name}", the anchor its links and the menus
// open it at.

#include <QWidget>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTextBrowser;

namespace rk {

class GuideWindow : public QWidget {
    Q_OBJECT
public:
    explicit GuideWindow(QWidget* parent);

    // The text in the language installed now; `section` an anchor, or the top.
    void showSection(const QString& section);
    // "en" or "ja": the language of the text shown.
    QString language() const { return language_; }
    QTextBrowser& text() const { return *text_; }

    // The guide's Markdown in `language`, or in English where it has none.
    static QString source(const QString& language);

private:
    // Worded at every load, in the language installed then.
    void retranslate();
    void load();
    void find(bool backwards);

    QString language_;
    QLineEdit* find_;
    QLabel* notFound_;
    QTextBrowser* text_;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
};

// Opens the one guide of the program at `section`, or brings it to the front there.
GuideWindow* showGuide(QWidget& from, const QString& section = QString());

// A separator and "Guide" at the end of `menu`, opening the guide at `section`.
void addGuideEntry(QMenu& menu, QWidget& from, const QString& section);

// F1 anywhere in `window` opens the guide; Help's button and box say so in
// their tooltips; the menus named EquationMenu, TableMenu and PlotMenu get
// their Guide entries.
void attachGuide(QWidget& window);

} // namespace rk
