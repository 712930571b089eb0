#include "preview/NaturalSize.h"

#include "preview/Rounding.h"

#include <QImage>

namespace quillory {
namespace {

constexpr double kMetresPerInch = 0.0254;
constexpr double kTwipsPerInch = 1440.0;
// Below this a recorded resolution is taken as missing (a few dots per inch).
constexpr int kSmallestDotsPerMeter = 100;

} // namespace

int naturalTwips(int pixels, int dotsPerMeter) {
    if (dotsPerMeter < kSmallestDotsPerMeter)
        return pixels * 15;
    const double dotsPerInch = dotsPerMeter * kMetresPerInch;
    return roundHalfEven(static_cast<double>(pixels) * kTwipsPerInch / dotsPerInch);
}

QSize naturalSizeInTwips(const QImage& picture) {
    if (picture.isNull())
        return {0, 0};
    return {naturalTwips(picture.width(), picture.dotsPerMeterX()),
            naturalTwips(picture.height(), picture.dotsPerMeterY())};
}

} // namespace quillory
