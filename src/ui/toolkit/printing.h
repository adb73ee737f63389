#pragma once

class QPagedPaintDevice;
class QPicture;
class QSize;

namespace quillo {

// Plays a page recorded at the given size onto the device, centred on its
// printable area and scaled to fill it without distortion, so text and
// lines stay text and lines at the printer's own resolution. Returns false
// when there is nothing to print or the device cannot be painted on.
bool printPicture(const QPicture& page, const QSize& size, QPagedPaintDevice& device);

}  // namespace quillo
