#pragma once
#include <QString>

#include <stdexcept>

namespace engine::render {

/// A page that cannot be drawn or written; `description()` is for a person to read.
class RenderError : public std::runtime_error {
public:
    explicit RenderError(const QString& description)
        : std::runtime_error(description.toStdString()), description_(description) {}
    const QString& description() const { return description_; }

private:
    QString description_;
};

} // namespace engine::render
