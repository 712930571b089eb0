#pragma once
// The natural size of a picture: its physical size from the resolution recorded in it,
// in twips (1 440 to the inch). A page picture is as large as the page.

#include <QSize>

class QImage;

namespace quillory {

// Pixels × 1 440 / dots per inch, rounded half to even. A picture without a usable
// resolution is taken at 96 dots per inch (15 twips a pixel).
QSize naturalSizeInTwips(const QImage& picture);

// The same for one axis, from a pixel count and the recorded dots per metre.
int naturalTwips(int pixels, int dotsPerMeter);

} // namespace quillory
