#pragma once
// What every fuzz input must satisfy: the reader returns a document or throws ReadError
// (anything else escapes and is reported as a crash), and a document it returns can be
// written and read back.

#include "engine/docx/docx.h"

#include <QByteArray>

namespace docx_fuzz {

inline void check(const QByteArray& package) {
    engine::model::Document d;
    try {
        d = engine::docx::fromPackage(package);
    } catch (const engine::docx::ReadError&) {
        return;
    }
    if (d.body.empty() || !engine::model::isParagraph(d.body.back())) __builtin_trap();
    // Must not throw: what was read can always be saved and read again.
    const engine::model::Document again = engine::docx::fromPackage(engine::docx::toPackage(d));
    if (again.body.empty()) __builtin_trap();
}

} // namespace docx_fuzz
