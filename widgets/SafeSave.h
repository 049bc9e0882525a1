#pragma once
// Saving a whole file or nothing.
//
// The contents go to a temporary file next to the target, which replaces the
// target only once everything is written; a full disk or a failed write
// leaves neither half a file nor a damaged old one.

#include <QString>

#include <functional>

class QIODevice;

namespace rk {

// Puts the contents on the device; false when a write failed.
using ContentWriter = std::function<bool(QIODevice& device)>;

// True when `path` now holds exactly what `write` wrote. Otherwise nothing
// at `path` has changed and `reason` says why, in the system's words.
bool saveWhole(const QString& path, const ContentWriter& write, QString& reason);

} // namespace rk
