#include "wordgen/ResumeHandover.h"

#include "shell/core/ResumeSource.h"
#include "wordgen/PageImages.h"
#include "wordgen/PreviewWindow.h"
#include "wordgen/TemporaryFiles.h"

#include <QRegularExpression>

namespace quillory {

using ole::Bool;

namespace {

QString S(const char* s) {
    return QString::fromLatin1(s);
}

// Lines 402 to 416: draws names until one can be created as a new private file. A failure
// other than a taken name is reported at 416 and ends the drawing with that path.
QString reserveTemporaryDocument(GenerationRun& run, const std::function<int()>& drawDigit) {
    QString path;
    for (;;) {
        QString name;
        run.trap(402, [&] { name = S("varlin"); });
        run.trap.line(404);
        for (int k = 1; k <= 8; ++k) {
            // The system's random source needs no seed from the time of day.
            run.trap.line(406);
            int digit = 0;
            run.trap(408, [&] { digit = drawDigit ? drawDigit() : randomNameDigit(); });
            run.trap(410, [&] { name += QString::number(digit); });
        }
        run.trap(414, [&] { path = pathInTemporaryFolder(temporaryFolder(), name + S(".doc")); });
        Reservation outcome = Reservation::Created;
        run.trap(416, [&] { outcome = createPrivateFile(path); });
        if (outcome == Reservation::Created)
            return path;
    }
}

} // namespace

bool isTemporaryDocumentName(const QString& fileName) {
    static const QRegularExpression pattern(QStringLiteral("^varlin[1-9]{8}\\.doc$"));
    return pattern.match(fileName).hasMatch();
}

void HandOverResume(GenerationRun& run, const HandoverTargets& targets) {
    const QString path = reserveTemporaryDocument(run, targets.drawDigit);

    run.trap(418, [&] {
        run.document.call(S("SaveAs"), {path});
        // The writer replaces the file; what it leaves must stay private.
        keepPrivate(path);
    });
    run.trap(420, [&] { run.word.put(S("DisplayAlerts"), Bool(false)); });
    run.trap(422, [&] { run.document.call(S("Close")); });
    run.trap(424, [&] { run.word.call(S("Quit")); });
    run.trap(426, [&] {
        run.table.reset();
        run.listTemplate.reset();
        run.document.reset();
    });
    run.trap(428, [&] { run.word.reset(); });

    run.trap(430, [&] { targets.preview().clearPages(); });
    run.trap(432, [&] {
        RenderPageImages(path, {targets.preview(), targets.dataEntry, targets.clipboard});
    });
    run.trap(434, [&] { targets.dataEntry.setMousePointer(0); });
    if (run.trap.test(436, [&] { return targets.preview().pageCount() >= 1; }))
        run.trap(438, [&] { targets.preview().setPicture1(targets.preview().pagePicture(0)); });
    run.trap(440, [&] { targets.preview().setWordFile(path); });
    run.trap(442, [&] { targets.preview().showWindow(); });
    run.trap(444, [&] { targets.dataEntry.hideWindow(); });
}

FinishGeneration resumeHandover(HandoverTargets targets) {
    return [targets = std::move(targets)](GenerationRun& run) { HandOverResume(run, targets); };
}

} // namespace quillory
