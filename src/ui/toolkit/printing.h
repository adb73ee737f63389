#pragma once

class QImage;
class QPagedPaintDevice;

namespace quillo {

// Draws the image centred on the printable area of the device, scaled to fill
// it without distortion. Returns false when the device cannot be painted on.
bool printImage(const QImage& image, QPagedPaintDevice& device);

}  // namespace quillo
