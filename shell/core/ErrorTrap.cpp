#include "shell/core/ErrorTrap.h"

#include "shell/core/Error.h"
#include "shell/core/Messages.h"
#include "shell/core/Product.h"

#include <new>
#include <stdexcept>

namespace quillory {

QString errorMessageText(const QString& description, const QString& location, int line) {
    return description + QStringLiteral("\r\nin ") + QString::fromUtf8(kBuildStamp) + location +
           QStringLiteral(" at line ") + QString::number(line) + QStringLiteral("\r\r") +
           QStringLiteral("Please email screenshot of this message to ") +
           QString::fromUtf8(kSupportEmail);
}

void reportError(const QString& description, const QString& location, int line) {
    currentMessages().show({QStringLiteral("Application Error"),
                            errorMessageText(description, location, line), MessageButtons::Ok,
                            MessageIcon::Warning});
}

QString describeCurrentException() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Out of memory");
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Unexpected failure");
    }
}

void ErrorTrap::report() {
    ++failures_;
    reportError(describeCurrentException(), location_, currentLine_);
}

}  // namespace quillory
