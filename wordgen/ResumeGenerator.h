#pragma once
// Lays the résumé out in a "Word.Application" document by late-bound calls: one
// three-column table holding the personal header, the skills list, the work history and
// the education. The order of the calls is the layout: every call acts on the selection
// where the previous one left it.

#include "shell/core/ErrorTrap.h"
#include "shell/core/ResumeSource.h"
#include "wordgen/ole/dispatch.h"

#include <functional>

namespace quillory {

// What one run of the generator holds: its trap (location "Resume.GenerateResume") and
// the word processor objects it owns.
struct GenerationRun {
    ErrorTrap trap{QStringLiteral("Resume.GenerateResume")};
    ole::Object word;     // the application instance this run created
    ole::Object document; // the new document
    ole::Object table;
    ole::Object listTemplate;

    // The selection of the document's active window, fetched afresh for each step.
    ole::Object selection() const;
};

// The stages after the document is built (saving it, the page pictures, the preview).
using FinishGeneration = std::function<void(GenerationRun&)>;

// Builds the résumé from `source`, read at the moment each step runs, then hands the run
// to `finish`. Returns without doing anything when the user declines the warning about a
// running instance. Every failing step is reported and the next step follows.
void GenerateResume(const ResumeSource& source, const FinishGeneration& finish = {});

// The stages up to the finished document; false when the user declined to go on.
bool BuildResumeDocument(GenerationRun& run, const ResumeSource& source);

// Rows the table is created with for `workEntries` entries: n + 8, but at least the 2n + 7
// rows the résumé uses. A row appended from the last cell copies the last row, its cells
// and the format of their marks: from two entries on, the education rows would be appended
// from the merged EDUCATION heading (single merged cells) or from the bold degree row (a
// bold school line). Creating them with the table avoids both.
int tableRowCount(int workEntries);

// The value passed to MoveUp for an abilities text: the number of CR LF pairs in it, or -1
// for the empty text.
int abilityLineBreaks(const QString& abilities);

} // namespace quillory
