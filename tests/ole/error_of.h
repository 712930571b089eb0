#pragma once
// The description of the ole::Error a call raises, for tests that check error texts.

#include "wordgen/ole/error.h"

#include <functional>

namespace ole::testing {

inline QString errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Error& e) {
        return e.description();
    }
    return QStringLiteral("(no error)");
}

} // namespace ole::testing
