#include "shell/core/Messages.h"

#include "shell/core/AppTitle.h"

#include <cstdio>

namespace quillory {
namespace {

// Used when no window system is around (command-line tools, early start-up).
class StderrMessages final : public Messages {
public:
    MessageAnswer show(const MessageRequest& request) override {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(request.title),
                     qUtf8Printable(request.text));
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
};

StderrMessages stderrMessages;
Messages* installed = nullptr;

}  // namespace

Messages& currentMessages() { return installed ? *installed : stderrMessages; }

Messages* installMessages(Messages* messages) {
    Messages* previous = installed;
    installed = messages;
    return previous;
}

MessageAnswer ask(const QString& text, MessageButtons buttons, MessageIcon icon,
                  const QString& title) {
    MessageRequest request{title.isEmpty() ? applicationTitle() : title, text, buttons, icon};
    return currentMessages().show(request);
}

void inform(const QString& text, MessageIcon icon, const QString& title) {
    ask(text, MessageButtons::Ok, icon, title);
}

}  // namespace quillory
