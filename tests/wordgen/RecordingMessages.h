#pragma once
// Captures message boxes and answers them from a script (default: OK / Yes).

#include "shell/core/Messages.h"

#include <QStringList>

#include <deque>
#include <vector>

namespace quillory::testing {

class RecordingMessages : public Messages {
public:
    std::vector<MessageRequest> shown;
    std::deque<MessageAnswer> answers;

    MessageAnswer show(const MessageRequest& r) override {
        shown.push_back(r);
        if (!answers.empty()) {
            const MessageAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return r.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    QStringList texts() const {
        QStringList out;
        for (const auto& m : shown) out << m.text;
        return out;
    }
};

} // namespace quillory::testing
