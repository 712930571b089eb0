#include "wordgen/WordChecks.h"

#include "shell/core/Messages.h"
#include "wordgen/ole/registry.h"

#include <cstdlib>

namespace quillory {

const char* const kWordCannotStartText =
    "Error 842001. A normal instance of Word could not be created.\r\n\r\n"
    "1. Please make sure Word is installed on this computer.\r\n\r\n"
    "2. Please open Word normally and make sure a blank document opens immediately without "
    "any interrupting window (such as an Word file recovery window).\r\n\r\n"
    "3. Please make sure that when you double-click on a DOC or DOCX file that Word opens "
    "normally without any interrupting messages.\r\n\r\n"
    "4. All versions of Word are supported by this software except for the rare Word Starter "
    "and Student editions.";

const char* const kWordRunningQuestion =
    "Word may be open. It is recommended that you close Word first. Use Ctrl+Alt+Del > Task "
    "Manager > WINWORD.EXE if necessary.\r\n\r\nWould you like to proceed anyway?";

void CheckWordCanStart(const std::function<void()>& terminate) {
    ole::Object word;
    try {
        word = ole::CreateObject(QStringLiteral("Word.Application"));
    } catch (...) {
        word.reset();
    }
    if (word.isNull()) {
        try {
            inform(QString::fromUtf8(kWordCannotStartText), MessageIcon::None);
        } catch (...) {
        }
        if (terminate) terminate();
        else std::_Exit(0);
        return;
    }
    try {
        word.call(QStringLiteral("Quit"));
    } catch (...) {
    }
}

bool IsWordRunning() {
    try {
        const ole::Object running = ole::GetObject(QStringLiteral("Word.Application"));
        return running.value(QString()).toString() == QLatin1String("Microsoft Word");
    } catch (...) {
        return false;
    }
}

bool WarnIfWordRunning() {
    if (!IsWordRunning()) return false;
    return ask(QString::fromUtf8(kWordRunningQuestion), MessageButtons::YesNo, MessageIcon::None) !=
           MessageAnswer::Yes;
}

} // namespace quillory
