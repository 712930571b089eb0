#include "engine/docx/style_ids.h"

#include <QSet>

namespace engine::docx {

namespace {
const BuiltinStyle kBuiltins[] = {
    {"Normal", "Normal", "Normal", 0, false, true},
    {"Default Paragraph Font", "Default Paragraph Font", "DefaultParagraphFont", 1, true, false},
    {"Table Normal", "Normal Table", "TableNormal", 99, true, false},
    {"Table Grid", "Table Grid", "TableGrid", 39, false, false},
    {"No List", "No List", "NoList", 99, true, false},
    {"List Paragraph", "List Paragraph", "ListParagraph", 34, false, true},
    {"Title", "Title", "Title", 10, false, true},
};

// Ids are letters and digits only, as Word makes them from a name.
QString idFromName(const QString& name) {
    QString id;
    for (QChar c : name)
        if (c.isLetterOrNumber() && c.unicode() < 128)
            id += c;
    return id.isEmpty() ? QStringLiteral("Style") : id;
}
} // namespace

const BuiltinStyle* builtinStyle(const QString& modelName) {
    for (const BuiltinStyle& b : kBuiltins)
        if (modelName == QLatin1String(b.name))
            return &b;
    return nullptr;
}

namespace {
bool isHeadingName(const QString& name, const char* word) {
    return name.size() == 9 && name.startsWith(QLatin1String(word)) &&
           name[8] >= QLatin1Char('1') && name[8] <= QLatin1Char('9');
}
} // namespace

QString fileStyleName(const QString& modelName) {
    if (const BuiltinStyle* b = builtinStyle(modelName))
        return QString::fromLatin1(b->fileName);
    // Word stores its headings in lower case and shows them capitalised.
    if (isHeadingName(modelName, "Heading "))
        return QStringLiteral("heading ") + modelName[8];
    return modelName;
}

QString modelStyleName(const QString& fileName) {
    for (const BuiltinStyle& b : kBuiltins)
        if (fileName == QLatin1String(b.fileName))
            return QString::fromLatin1(b.name);
    if (isHeadingName(fileName, "heading "))
        return QStringLiteral("Heading ") + fileName[8];
    return fileName;
}

StyleIds::StyleIds(const std::vector<model::Style>& styles) {
    QSet<QString> taken;
    QHash<QString, int> nextSuffix; // per id already taken: the next number to try
    // Built-in styles first, so their fixed ids win over made-up ones.
    for (int pass = 0; pass < 2; ++pass) {
        for (const model::Style& s : styles) {
            const BuiltinStyle* b = builtinStyle(s.name);
            if ((pass == 0) != (b != nullptr) || ids_.contains(s.name))
                continue;
            QString id = b ? QString::fromLatin1(b->id) : idFromName(s.name);
            if (taken.contains(id.toLower())) {
                int& n = nextSuffix[id.toLower()];
                do
                    ++n;
                while (taken.contains((id + QString::number(n)).toLower()));
                id += QString::number(n);
            }
            taken.insert(id.toLower());
            ids_.insert(s.name, id);
        }
    }
}

std::optional<QString> StyleIds::idOf(const QString& name) const {
    const auto it = ids_.constFind(name);
    if (it == ids_.constEnd())
        return std::nullopt;
    return *it;
}

} // namespace engine::docx
