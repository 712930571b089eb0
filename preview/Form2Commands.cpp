// Form2's commands: save the temporary document where the user chooses, go back to the
// data entry, and close (which ends the program).

#include "preview/CommonDialog.h"
#include "preview/FileCopy.h"
#include "preview/Form2.h"
#include "shell/core/Error.h"
#include "shell/core/ErrorTrap.h"
#include "shell/core/Files.h"
#include "shell/core/Messages.h"
#include "shell/core/ResumeSource.h"

#include <QCoreApplication>

namespace quillory {
namespace {

constexpr int16_t kAnswerYes = 6;
constexpr int16_t kAnswerNo = 7;

} // namespace

void Form2::PushButton6_Click() {
    ErrorTrap trap{QStringLiteral("Form2.PushButton6_Click")};
    QString path;
    int16_t answer = 0;
    trap(106, [&] { CommonDialog1->FileName.clear(); });
    trap(108, [&] { CommonDialog1->DialogTitle = QStringLiteral("Save File"); });
    trap(110, [&] { CommonDialog1->Filter = QStringLiteral("Word Files (*.doc)|*.doc"); });
    trap(112, [&] { CommonDialog1->ShowSave(); });
    trap(114, [&] { path = CommonDialog1->FileName; });
    if (!trap.test(116, [&] { return path.isEmpty(); })) {
        if (trap.test(118, [&] { return FileExists(path); })) {
            trap(120, [&] {
                const MessageAnswer pressed =
                    ask(QStringLiteral("Are you sure you wish to overwrite ") + path +
                            QStringLiteral(" ?"),
                        MessageButtons::YesNo, MessageIcon::None);
                answer = pressed == MessageAnswer::Yes ? kAnswerYes : kAnswerNo;
            });
            // [122], [124]: the existing file is not deleted first; the complete copy
            // replaces it at [130], so a failed copy leaves it as it was.
        } else {
            trap(126, [&] { answer = kAnswerYes; });
        }
    }
    bool copyFailed = false;
    if (trap.test(128, [&] { return answer == kAnswerYes; })) {
        const int failuresBefore = trap.failures();
        trap(130, [&] { copyFileIntoPlace(mWordFile, path); });
        copyFailed = trap.failures() > failuresBefore;
    }
    // A failed copy has been reported; "Done." would tell the user the opposite.
    if (!copyFailed)
        trap(132, [&] { inform(QStringLiteral("Done.")); });
}

void Form2::PushButton8_Click() {
    ErrorTrap trap{QStringLiteral("Form2.PushButton8_Click")};
    trap(102, [&] { DeleteFileForced(mWordFile); });
    trap(104, [&] {
        if (!dataEntry_)
            throw Error(QStringLiteral("There is no data-entry window to go back to"));
        dataEntry_->showWindow();
    });
    trap(106, [&] { hide(); });
}

void Form2::Form_QueryUnload() {
    ErrorTrap trap{QStringLiteral("Form2.Form_QueryUnload")};
    trap(100, [&] { DeleteFileForced(mWordFile); });
    trap(102, [&] { QCoreApplication::processEvents(); });
    trap(104, [&] { QCoreApplication::processEvents(); });
}

void Form2::Form_Unload() {
    if (endApplication_)
        endApplication_();
}

} // namespace quillory
