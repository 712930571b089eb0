#pragma once
#include <QString>

#include <stdexcept>

namespace ole {

/// A late-bound call that could not be honoured. `description()` is the text a person
/// reads in the error box.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& description)
        : std::runtime_error(description.toStdString()), description_(description) {}
    const QString& description() const { return description_; }

private:
    QString description_;
};

} // namespace ole
