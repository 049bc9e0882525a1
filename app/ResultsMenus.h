#pragma once
// Context menus that take the results out of the window: the table to the
// clipboard or into a CSV file, the plot to the clipboard or into a PNG file.
// The plot's menu also switches its slope field on and off.
// They open with the right mouse button, the Menu key or Shift+F10; Ctrl+C
// in the table copies the selected line. Each menu and its actions belong to
// the control they serve.

#include "widgets/SafeSave.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QFileDialog;
class QListView;
class QMenu;
class QWidget;

namespace rk {

class PictureBox;
class ResultsTable;

class ResultsMenus : public QObject {
    Q_OBJECT
public:
    struct SaveRequest {
        QString caption;
        QString suggested; // a whole path
        QString filter;
        QString suffix; // added when the chosen name has none
    };
    // Asks where to save; an empty path means the user cancelled.
    using PathChooser = std::function<QString(QWidget* parent, const SaveRequest& request)>;

    // `list` shows `table`.
    ResultsMenus(QListView& list, const ResultsTable& table, PictureBox& plot, QWidget* window);

    // Checkable, off at first; the window draws the field when it is on.
    QAction* slopeFieldAction() const { return showSlopeField_; }

    // By default a file dialog asks.
    void setPathChooser(PathChooser chooser) { choosePath_ = std::move(chooser); }

    // The dialog that asks by default: it asks again before it overwrites.
    static std::unique_ptr<QFileDialog> saveDialog(QWidget* parent, const SaveRequest& request);

private:
    void openTableMenu(QPoint global);
    void openPlotMenu(QPoint global);
    QPoint tableKeyboardPoint() const;
    QPoint plotKeyboardPoint() const;

    void copyLine();
    void copyTable();
    void saveTable();
    void copyImage();
    void saveImage();
    void save(const SaveRequest& request, const ContentWriter& write);

    QListView& list_;
    const ResultsTable& table_;
    PictureBox& plot_;
    QWidget* window_;
    QMenu* tableMenu_;
    QMenu* plotMenu_;
    QAction* copyLine_;
    QAction* copyTable_;
    QAction* saveTable_;
    QAction* copyImage_;
    QAction* saveImage_;
    QAction* showSlopeField_;
    PathChooser choosePath_;
};

} // namespace rk
