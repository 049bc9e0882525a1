#pragma once
// A short note shown just below a control for a few seconds, without a
// window to answer. The toolkit's own tooltip hides as soon as the focus
// moves, and Enter in a number box moves the focus at once; this one stays
// until its time is up or the next note replaces it.

#include <QLabel>
#include <QTimer>

namespace rk {

class HintBubble : public QLabel {
    Q_OBJECT
public:
    explicit HintBubble(QWidget* window);

    // Shows `text` below `control`, or hides the note when the text is empty.
    void showAt(QWidget& control, const QString& text);

    static constexpr int kShownMs = 6000;

private:
    QTimer hide_;
};

} // namespace rk
