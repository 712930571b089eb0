#pragma once
// Style names as the model knows them and as a file spells them. A file refers to styles
// by id; Word's built-in styles have fixed ids and, for some, a file name that differs from
// the name Word shows ("Normal Table" is shown as "Table Normal").

#include "engine/model/styles.h"

#include <QHash>
#include <QString>

#include <optional>
#include <vector>

namespace engine::docx {

/// Extra elements Word writes for a built-in style (none for other styles).
struct BuiltinStyle {
    const char* name;     // as the model and the user interface call it
    const char* fileName; // w:name in the file
    const char* id;       // w:styleId
    int uiPriority;       // 0: not written
    bool semiHidden;      // also writes unhideWhenUsed
    bool qFormat;
};
const BuiltinStyle* builtinStyle(const QString& modelName);

/// The model's name for a style named `fileName` in a file, and the other way round.
QString modelStyleName(const QString& fileName);
QString fileStyleName(const QString& modelName);

/// Ids for the styles of one document, unique and stable for the same styles.
class StyleIds {
  public:
    explicit StyleIds(const std::vector<model::Style>& styles);
    /// The id of the style called `name`, or nullopt when the document has no such style.
    std::optional<QString> idOf(const QString& name) const;

  private:
    QHash<QString, QString> ids_;
};

} // namespace engine::docx
