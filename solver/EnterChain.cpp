#include "solver/EnterChain.h"

#include "ui/ValFromText.h"

#include <QLineEdit>

namespace rk {

Value numberIn(const QLineEdit& box)
{
    return Value(valFromText(box.text().toStdString()));
}

EnterChain::EnterChain(QLineEdit* text1, QLineEdit* text3, QLineEdit* text2, FormValues& values,
                       std::function<void()> solve, QObject* parent)
    : QObject(parent), text1_(text1), text3_(text3), text2_(text2), values_(values), solve_(std::move(solve))
{
    // Return and the keypad's Enter alike; the boxes have no validator, so
    // every text is taken.
    connect(text1_, &QLineEdit::returnPressed, this, &EnterChain::Text1_Enter);
    connect(text3_, &QLineEdit::returnPressed, this, &EnterChain::Text3_Enter);
    connect(text2_, &QLineEdit::returnPressed, this, &EnterChain::Text2_Enter);
}

void EnterChain::Text1_Enter()
{
    values_.x1 = numberIn(*text1_);
    text3_->setFocus(Qt::OtherFocusReason);
}

void EnterChain::Text3_Enter()
{
    values_.y1 = numberIn(*text3_);
    text2_->setFocus(Qt::OtherFocusReason);
}

void EnterChain::Text2_Enter()
{
    values_.x2 = numberIn(*text2_);
    solve_();
}

} // namespace rk
