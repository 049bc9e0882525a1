#pragma once
// Picture1's menu: the plot to the clipboard or into a PNG file, and what
// is drawn beneath a run's points. It opens with the right mouse button,
// the Menu key or Shift+F10.

#include <QObject>
#include <QPoint>

class QAction;
class QMenu;

namespace rk {

class FileSaver;
class PictureBox;

class PlotMenu : public QObject {
    Q_OBJECT
public:
    PlotMenu(PictureBox& plot, FileSaver& saver);

    // Checkable, off at first; the window draws the field while it is on.
    QAction* slopeFieldAction() const { return showSlopeField_; }
    // Checkable, off at first; the window draws each run's exact solution
    // while it is on.
    QAction* exactSolutionAction() const { return showExact_; }

private:
    void open(QPoint global);
    void copyImage();
    void saveImage();

    PictureBox& plot_;
    FileSaver& saver_;
    QMenu* menu_;
    QAction* copyImage_;
    QAction* saveImage_;
    QAction* showSlopeField_;
    QAction* showExact_;
};

} // namespace rk
