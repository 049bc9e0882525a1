#include "app/Guide.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QVBoxLayout>

namespace rk {
namespace {

// Pictures are the documentation's own, shown small beside the words.
constexpr int kPictureWidth = 360;

// Headings end in "{#name}": the name becomes the heading's anchor, and
// leaves the text.
void makeAnchors(QTextDocument& document)
{
    static const QRegularExpression anchor(QStringLiteral("\\s*\\{#([a-z0-9-]+)\\}\\s*$"));
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        const QRegularExpressionMatch match = anchor.match(block.text());
        if (!match.hasMatch())
            continue;
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + static_cast<int>(match.capturedStart()));
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setAnchor(true);
        format.setAnchorNames({match.captured(1)});
        cursor.mergeCharFormat(format);
    }
}

void shrinkPictures(QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const QImage picture(QStringLiteral(":/guide/") + image.name());
            if (picture.isNull() || picture.width() <= kPictureWidth)
                continue;
            image.setWidth(kPictureWidth);
            image.setHeight(double(kPictureWidth) * picture.height() / picture.width());
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
}

QWidget& topWindow(QWidget& from)
{
    QWidget* window = from.window();
    while (window->parentWidget())
        window = window->parentWidget()->window();
    return *window;
}

} // namespace

QString GuideWindow::source(const QString& language)
{
    QFile file(QStringLiteral(":/guide/%1.md").arg(language));
    if (!file.open(QIODevice::ReadOnly)) {
        file.setFileName(QStringLiteral(":/guide/en.md"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
    }
    return QString::fromUtf8(file.readAll());
}

GuideWindow::GuideWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), find_(new QLineEdit(this)), notFound_(new QLabel(this)),
      text_(new QTextBrowser(this))
{
    setObjectName("Guide");
    find_->setObjectName("GuideFind");
    find_->setClearButtonEnabled(true);
    text_->setObjectName("GuideText");
    text_->setOpenLinks(true);
    text_->setOpenExternalLinks(false);
    previous_ = new QPushButton(this);
    next_ = new QPushButton(this);
    QPushButton* previous = previous_;
    QPushButton* next = next_;
    previous->setObjectName("FindPrevious");
    next->setObjectName("FindNext");
    connect(find_, &QLineEdit::returnPressed, this, [this] { find(false); });
    connect(find_, &QLineEdit::textEdited, this, [this] {
        // Typing searches from the top, so the first match shows.
        text_->moveCursor(QTextCursor::Start);
        find(false);
    });
    connect(next, &QPushButton::clicked, this, [this] { find(false); });
    connect(previous, &QPushButton::clicked, this, [this] { find(true); });
    auto* findKeys = new QShortcut(QKeySequence::Find, this);
    connect(findKeys, &QShortcut::activated, this, [this] {
        find_->setFocus(Qt::ShortcutFocusReason);
        find_->selectAll();
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* bar = new QHBoxLayout;
    bar->addWidget(find_, 1);
    bar->addWidget(previous);
    bar->addWidget(next);
    bar->addWidget(notFound_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(text_, 1);
    resize(760, 640);

    retranslate();
}

void GuideWindow::retranslate()
{
    setWindowTitle(tr("RungeKutta guide"));
    find_->setPlaceholderText(tr("Find in the guide (Ctrl+F)"));
    previous_->setText(tr("Previous"));
    next_->setText(tr("Next"));
}

void GuideWindow::load()
{
    //: The language of the guide shown: its file is docs/guide/<this>.md. "ja" in the Japanese translation.
    const QString language = tr("en");
    if (language == language_ && !text_->document()->isEmpty())
        return;
    language_ = language;
    retranslate();
    QTextDocument* document = text_->document();
    document->setBaseUrl(QUrl(QStringLiteral("qrc:/guide/")));
    document->setMarkdown(source(language_));
    makeAnchors(*document);
    shrinkPictures(*document);
}

void GuideWindow::showSection(const QString& section)
{
    load();
    notFound_->clear();
    if (section.isEmpty())
        text_->moveCursor(QTextCursor::Start);
    else
        text_->scrollToAnchor(section);
}

void GuideWindow::find(bool backwards)
{
    const QString wanted = find_->text();
    notFound_->clear();
    if (wanted.isEmpty())
        return;
    const QTextDocument::FindFlags flags = backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (text_->find(wanted, flags))
        return;
    // Past the last match, round to the first.
    text_->moveCursor(backwards ? QTextCursor::End : QTextCursor::Start);
    if (!text_->find(wanted, flags))
        notFound_->setText(tr("Not found"));
}

GuideWindow* showGuide(QWidget& from, const QString& section)
{
    QWidget& top = topWindow(from);
    auto* guide = top.findChild<GuideWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!guide)
        guide = new GuideWindow(&top);
    guide->show();
    guide->raise();
    guide->activateWindow();
    guide->showSection(section);
    return guide;
}

void addGuideEntry(QMenu& menu, QWidget& from, const QString& section)
{
    menu.addSeparator();
    QAction* entry = menu.addAction(QString());
    entry->setObjectName("Guide");
    // Worded when shown, in the language installed at that moment.
    QObject::connect(&menu, &QMenu::aboutToShow, entry, [entry] { entry->setText(GuideWindow::tr("Guide")); });
    QObject::connect(entry, &QAction::triggered, &from, [&from, section] { showGuide(from, section); });
}

void attachGuide(QWidget& window)
{
    auto* keys = new QShortcut(QKeySequence::HelpContents, &window);
    QObject::connect(keys, &QShortcut::activated, &window, [&window] { showGuide(window); });
    for (const char* name : {"Command3", "Text4"})
        if (auto* widget = window.findChild<QWidget*>(name))
            widget->setToolTip(GuideWindow::tr("F1: the guide"));
    const struct {
        const char* menu;
        const char* section;
    } menus[] = {{"EquationMenu", "equation-menu"}, {"TableMenu", "table-menu"}, {"PlotMenu", "plot-menu"}};
    for (const auto& [menu, section] : menus)
        if (auto* found = window.findChild<QMenu*>(menu))
            addGuideEntry(*found, window, QString::fromLatin1(section));
}

} // namespace rk
