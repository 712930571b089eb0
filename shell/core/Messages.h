#pragma once
// Modal message boxes behind a small interface. The widget library supplies the real
// boxes; tests install a recorder that captures the texts and gives scripted answers.

#include <QString>

namespace quillory {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Warning };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    QString title;  // empty: the application title
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

// Shows one modal box and returns the button the user pressed.
class Messages {
public:
    virtual ~Messages() = default;
    virtual MessageAnswer show(const MessageRequest& request) = 0;
};

// The boxes in use. Until something is installed, boxes are written to stderr and
// answered with the first button (OK, or Yes).
Messages& currentMessages();

// Installs `messages` (not owned; nullptr restores the stderr fallback). Returns the
// previous one.
Messages* installMessages(Messages* messages);

// Installs a Messages for the lifetime of the guard (tests, nested windows).
class ScopedMessages {
public:
    explicit ScopedMessages(Messages& messages) : previous_(installMessages(&messages)) {}
    ~ScopedMessages() { installMessages(previous_); }
    ScopedMessages(const ScopedMessages&) = delete;
    ScopedMessages& operator=(const ScopedMessages&) = delete;

private:
    Messages* previous_;
};

// Asks the user; an empty title means the application title.
MessageAnswer ask(const QString& text, MessageButtons buttons, MessageIcon icon,
                  const QString& title = {});

// Shows a message with an OK button; an empty title means the application title.
void inform(const QString& text, MessageIcon icon = MessageIcon::None, const QString& title = {});

}  // namespace quillory
