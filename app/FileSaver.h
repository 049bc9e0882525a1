#pragma once
// Saving what the menus take out of the window: asks where, writes the
// whole file or nothing, and says in a message why it could not.

#include "widgets/SafeSave.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QFileDialog;
class QWidget;

namespace rk {

class FileSaver : public QObject {
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

    explicit FileSaver(QWidget* window);

    // By default a file dialog asks.
    void setPathChooser(PathChooser chooser) { choosePath_ = std::move(chooser); }
    // The dialog that asks by default: it asks again before it overwrites.
    static std::unique_ptr<QFileDialog> saveDialog(QWidget* parent, const SaveRequest& request);

    // `name` is the file name suggested in the user's documents folder.
    void save(const SaveRequest& request, const ContentWriter& write);
    static QString inDocuments(const QString& name);

private:
    QWidget* window_;
    PathChooser choosePath_;
};

} // namespace rk
