#pragma once
// A picture box's drawing surface, made ahead on another thread.
//
// The first write to fresh memory is slow where the kernel maps pages one
// fault at a time: about 3 ms for the plot's megabyte on a virtual machine,
// a tenth of the whole start-up. The pages a thread maps are mapped for the
// process, so a core that waits for the display anyway can take that cost.

#include <QImage>
#include <QSize>

namespace rk {

// Makes an RGB32 surface of this size, every page written, and keeps it for
// the next takeSurface. Safe from any thread.
void prepareSurface(QSize pixels);

// The kept surface when it has this size, else a new one; either way nothing
// is kept after. Its contents are whatever they were: the caller fills it.
QImage takeSurface(QSize pixels);

} // namespace rk
