#pragma once
// The exception type the program's own code throws for failures a person should read about.

#include <QString>
#include <stdexcept>

namespace quillory {

// A failure with a readable description (UTF-8 in what()). The error trap shows the
// description as the first line of the error message.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& description)
        : std::runtime_error(description.toStdString()) {}

    QString description() const { return QString::fromUtf8(what()); }
};

}  // namespace quillory
