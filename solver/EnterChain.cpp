#include "solver/EnterChain.h"

#include "ui/ValFromText.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace rk {
namespace {

constexpr int kEnter = 13;

// Return and the keypad's Enter both type the character code 13.
int characterCode(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return kEnter;
    const QString text = key.text();
    return text.size() == 1 ? text.at(0).unicode() : 0;
}

} // namespace

Value numberIn(const QLineEdit& box)
{
    return Value(valFromText(box.text().toStdString()));
}

EnterChain::EnterChain(QLineEdit* text1, QLineEdit* text3, QLineEdit* text2, FormValues& values,
                       std::function<void()> solve, QObject* parent)
    : QObject(parent), text1_(text1), text3_(text3), text2_(text2), values_(values), solve_(std::move(solve))
{
    for (QLineEdit* box : {text1_, text3_, text2_})
        box->installEventFilter(this);
}

void EnterChain::Text1_KeyPress(int keyAscii)
{
    if (keyAscii != kEnter)
        return;
    values_.x1 = numberIn(*text1_);
    text3_->setFocus(Qt::OtherFocusReason);
}

void EnterChain::Text3_KeyPress(int keyAscii)
{
    if (keyAscii != kEnter)
        return;
    values_.y1 = numberIn(*text3_);
    text2_->setFocus(Qt::OtherFocusReason);
}

void EnterChain::Text2_KeyPress(int keyAscii)
{
    if (keyAscii != kEnter)
        return;
    values_.x2 = numberIn(*text2_);
    solve_();
}

bool EnterChain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int code = characterCode(*static_cast<QKeyEvent*>(event));
        if (watched == text1_)
            Text1_KeyPress(code);
        else if (watched == text3_)
            Text3_KeyPress(code);
        else if (watched == text2_)
            Text2_KeyPress(code);
    }
    return false;
}

} // namespace rk
