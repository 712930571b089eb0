#pragma once
// The last stage of a résumé generation: the finished document is saved under a fresh
// random name in the temporary folder, the word processor is closed, the pages become
// pictures, and the preview window opens on page 1 while the data-entry window hides.

#include "wordgen/ResumeGenerator.h"

#include <functional>

namespace quillory {

class DataEntryWindow;
class PageClipboard;
class PreviewWindow;

struct HandoverTargets {
    DataEntryWindow& dataEntry;
    // The preview window; the first call loads it.
    std::function<PreviewWindow&()> preview;
    PageClipboard& clipboard;
    // The digits of the name, 1 to 9 (default: the system's random source; tests script it).
    std::function<int()> drawDigit = {};
};

// Lines 402 to 444 of the generator, each step reported through the run's trap.
// The document's name is "varlin" and eight digits 1 to 9 with ".doc", in the temporary
// folder; the file is created private and exclusively before the document is saved into it,
// so a name already in use is never touched and another name is drawn.
void HandOverResume(GenerationRun& run, const HandoverTargets& targets);

// The generator's finishing stage bound to `targets` (for GenerateResume).
FinishGeneration resumeHandover(HandoverTargets targets);

// True when `fileName` has the form of a temporary document's name: "varlin", eight
// digits 1 to 9, ".doc".
bool isTemporaryDocumentName(const QString& fileName);

} // namespace quillory
