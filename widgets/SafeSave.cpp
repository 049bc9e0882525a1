#include "widgets/SafeSave.h"

#include <QSaveFile>

namespace rk {

bool saveWhole(const QString& path, const ContentWriter& write, QString& reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
        return false;
    }
    // commit() flushes the last buffered bytes itself, but on this Qt a
    // failure of that flush goes unnoticed and the short file is put in
    // place. Flushing first sees the failure while the target is untouched.
    // A flush that the disk takes only in part fails without a reason; the
    // next one writes the rest, or fails at once and says why.
    const bool written = write(file);
    const bool flushed = file.flush() || file.flush();
    if (!written || !flushed) {
        reason = file.errorString();
        file.cancelWriting(); // commit() now only removes the temporary file
        file.commit();
        return false;
    }
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace rk
