#include "engine/automation/services.h"

#ifdef QUILLORY_ENGINE_HAS_DOCX
#include "engine/docx/docx.h"
#endif

namespace engine::automation {

Services& services() {
    static Services s;
    return s;
}

void installWordFileServices() {
#ifdef QUILLORY_ENGINE_HAS_DOCX
    Services& s = services();
    if (!s.open) s.open = [](const QString& path) { return engine::docx::load(path); };
    if (!s.save) s.save = [](const model::Document& d, const QString& path) { engine::docx::save(d, path); };
#endif
}

} // namespace engine::automation
