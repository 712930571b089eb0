#pragma once
// Captures every message box instead of showing it, and answers with scripted buttons.

#include "shell/core/Messages.h"

#include <QList>

namespace quillory::testing {

class RecordingMessages final : public Messages {
public:
    QList<MessageRequest> shown;
    QList<MessageAnswer> answers;  // given in order; afterwards OK or No

    MessageAnswer show(const MessageRequest& request) override {
        shown << request;
        if (!answers.isEmpty())
            return answers.takeFirst();
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }

    QStringList texts() const {
        QStringList all;
        for (const MessageRequest& request : shown)
            all << request.text;
        return all;
    }
};

// Installs a recorder for the lifetime of the object.
class CapturedMessages {
public:
    CapturedMessages() : scope_(recorder) {}
    RecordingMessages recorder;

    const QList<MessageRequest>& shown() const { return recorder.shown; }

private:
    ScopedMessages scope_;
};

}  // namespace quillory::testing
