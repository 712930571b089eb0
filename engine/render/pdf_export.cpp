#include "engine/render/pdf_export.h"

#include "engine/layout/units.h"
#include "engine/render/page_painter.h"
#include "engine/render/render_error.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace engine::render {

void exportPdf(const engine::layout::DocumentLayout& layout, const QString& path) {
    if (path.isEmpty()) throw RenderError(QStringLiteral("No file name was given for the PDF."));
    const QFileInfo info(path);
    if (!info.dir().exists())
        throw RenderError(QStringLiteral("The folder \"%1\" does not exist.").arg(QDir::toNativeSeparators(info.path())));
    if (info.isDir()) throw RenderError(QStringLiteral("\"%1\" is a folder.").arg(QDir::toNativeSeparators(path)));

    // Written next to the target and renamed when complete, so a failure leaves no half file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw RenderError(QStringLiteral("The PDF file \"%1\" cannot be written: %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString()));
    {
        const auto& setup = layout.pageSetup();
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Quillory document engine"));
        writer.setTitle(layout.document().info.title);
        writer.setResolution(engine::layout::kTwipsPerInch);
        writer.setPageSize(QPageSize(QSizeF(setup.width / 20.0, setup.height / 20.0), QPageSize::Point, QString(),
                                     QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&writer))
            throw RenderError(QStringLiteral("The PDF file \"%1\" cannot be started.").arg(QDir::toNativeSeparators(path)));
        const int pages = layout.pageCount();
        for (int i = 0; i < pages; ++i) {
            if (i > 0) writer.newPage();
            paintPage(painter, layout, i);
        }
        painter.end();
    }
    if (!file.commit())
        throw RenderError(QStringLiteral("The PDF file \"%1\" cannot be written: %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace engine::render
