#include "app/FileSaver.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace rk {
namespace {

QString askForPath(QWidget* parent, const FileSaver::SaveRequest& request)
{
    const auto dialog = FileSaver::saveDialog(parent, request);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().first();
}

} // namespace

FileSaver::FileSaver(QWidget* window) : QObject(window), window_(window), choosePath_(askForPath) {}

QString FileSaver::inDocuments(const QString& name)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(name);
}

std::unique_ptr<QFileDialog> FileSaver::saveDialog(QWidget* parent, const SaveRequest& request)
{
    const QFileInfo suggested(request.suggested);
    auto dialog = std::make_unique<QFileDialog>(parent, request.caption, suggested.absolutePath(), request.filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(request.suffix);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog->selectFile(suggested.fileName());
    return dialog;
}

void FileSaver::save(const SaveRequest& request, const ContentWriter& write)
{
    const QString path = choosePath_(window_, request);
    if (path.isEmpty())
        return;
    QString reason;
    if (saveWhole(path, write, reason))
        return;
    if (reason.endsWith('.'))
        reason.chop(1);
    // Window-modal, as the run's messages: the window waits for the answer.
    auto* box = new QMessageBox(QMessageBox::Warning, window_->windowTitle(),
                                tr("The file %1 could not be saved: %2.").arg(QDir::toNativeSeparators(path), reason),
                                QMessageBox::Ok, window_);
    box->setObjectName("SaveMessage");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace rk
