#pragma once
// The message boxes of the running program (QMessageBox).

#include "shell/core/Messages.h"

namespace quillory {

class QtMessages final : public Messages {
public:
    MessageAnswer show(const MessageRequest& request) override;
};

// The text as a box shows it: CR LF and a lone CR both break the line.
QString messageDisplayText(const QString& text);

}  // namespace quillory
