#pragma once
// Takes the three numbers of a run over from their boxes when Enter is
// pressed: x1 in Text1, then y1 in Text3, then x2 in Text2, which starts
// the run. A number typed without Enter is not used.

#include "solver/Solve.h"

#include <QObject>

#include <functional>

class QLineEdit;

namespace rk {

class EnterChain : public QObject {
    Q_OBJECT
public:
    EnterChain(QLineEdit* text1, QLineEdit* text3, QLineEdit* text2, FormValues& values,
               std::function<void()> solve, QObject* parent = nullptr);

private:
    // Enter in each box; the box itself still takes the key as it would.
    void Text1_Enter();
    void Text3_Enter();
    void Text2_Enter();

    QLineEdit* text1_;
    QLineEdit* text3_;
    QLineEdit* text2_;
    FormValues& values_;
    std::function<void()> solve_;
};

// The number typed into a box, as the Value a run reads.
Value numberIn(const QLineEdit& box);

} // namespace rk
