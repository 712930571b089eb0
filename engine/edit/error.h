#pragma once
#include <QString>

#include <stdexcept>

namespace engine::edit {

/// An edit that cannot be done as asked; `description()` is for a person to read.
class EditError : public std::runtime_error {
public:
    explicit EditError(const QString& description)
        : std::runtime_error(description.toStdString()), description_(description) {}
    const QString& description() const { return description_; }

private:
    QString description_;
};

} // namespace engine::edit
