#include "engine/render/page_image.h"

#include "engine/layout/units.h"
#include "engine/render/page_painter.h"
#include "engine/render/render_error.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace engine::render {

QImage renderPage(const engine::layout::DocumentLayout& layout, int page, double dpi) {
    if (!(dpi >= 1 && dpi <= 2400))
        throw RenderError(QStringLiteral("A page picture needs a resolution from 1 to 2400 dpi, not %1.").arg(dpi));
    if (page < 0 || page >= layout.pageCount())
        throw RenderError(QStringLiteral("The document has no page %1; it has %2.").arg(page + 1).arg(layout.pageCount()));
    const auto& setup = layout.pageSetup();
    const int w = std::max(1, int(std::lround(engine::layout::twipsToPixels(setup.width, dpi))));
    const int h = std::max(1, int(std::lround(engine::layout::twipsToPixels(setup.height, dpi))));
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull())
        throw RenderError(QStringLiteral("There is not enough memory for a %1 × %2 page picture.").arg(w).arg(h));
    image.fill(Qt::white);
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const double scale = dpi / engine::layout::kTwipsPerInch;
    painter.scale(scale, scale);
    paintPage(painter, layout, page);
    painter.end();
    return image;
}

double pictureDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double screenDpi = screen && screen->logicalDotsPerInch() > 0 ? screen->logicalDotsPerInch() : 96.0;
    return 2 * screenDpi;
}

} // namespace engine::render
