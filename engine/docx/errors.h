#pragma once
// Errors of the Word file reader and writer, each with a description a person can read.
// They know nothing of late binding; the automation adapter turns them into ole::Error.

#include <QString>

#include <stdexcept>

namespace engine::docx {

class Error : public std::runtime_error {
  public:
    explicit Error(const QString& description)
        : std::runtime_error(description.toStdString()), description_(description) {}
    const QString& description() const { return description_; }

  private:
    QString description_;
};

/// A file that cannot be opened: missing, unreadable, foreign or damaged.
class ReadError : public Error {
  public:
    using Error::Error;
};

/// A file that cannot be written; the target is left as it was.
class WriteError : public Error {
  public:
    using Error::Error;
};

} // namespace engine::docx
