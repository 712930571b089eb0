#pragma once
// The package layer: an OPC package (a zip of parts with relationships and content types)
// read from and written to bytes with libzip. Reading is bounded so that a hostile file
// (a zip bomb, thousands of entries) ends in a ReadError instead of exhausting memory.

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace engine::docx {

struct ReadLimits {
    qint64 maxFileBytes = qint64(256) << 20;
    qint64 maxPartBytes = qint64(64) << 20;   // uncompressed, per part
    qint64 maxTotalBytes = qint64(256) << 20; // uncompressed, all parts read
    qint64 maxEntries = 20000;
    int maxNesting = 32;   // tables inside tables (and other containers) in a story
    int maxColumns = 1000; // grid columns of one table (Word itself allows 63)
};

struct Relationship {
    QString id;
    QString type;   // full type URI
    QString target; // as written; resolve with resolveTarget
    bool external = false;
};

/// Part name of the relationships of `part` ("" is the package itself).
QString relationshipsPartOf(const QString& part);
/// A relationship target of `sourcePart` as a part name without leading slash.
QString resolveTarget(const QString& sourcePart, const QString& target);
/// True when `type` is the relationship type with this last path segment ("styles",
/// "officeDocument"...), in the transitional or the strict namespace.
bool isRelationshipType(const QString& type, const char* lastSegment);

/// A package opened for reading. Parts are read on demand. Throws ReadError whose
/// description explains what is wrong with the file.
class PackageReader {
  public:
    PackageReader(QByteArray zipBytes, const ReadLimits& limits);
    ~PackageReader();
    PackageReader(const PackageReader&) = delete;
    PackageReader& operator=(const PackageReader&) = delete;

    bool has(const QString& partName) const;
    /// The part's bytes; nullopt when the package has no such part.
    std::optional<QByteArray> read(const QString& partName);
    /// Relationships of `part`; empty when it has none or they cannot be read.
    std::vector<Relationship> relationships(const QString& part);
    /// The first internal relationship of `part` with this type, resolved to a part name.
    std::optional<QString> target(const QString& part, const char* typeSegment);
    std::vector<QString> partNames() const;

  private:
    struct Zip;
    QByteArray bytes_;
    std::unique_ptr<Zip> zip_;
    ReadLimits limits_;
    qint64 totalRead_ = 0;
};

/// Collects parts and writes them as one zip, each part compressed and dated 1980-01-01 as
/// Word dates them, so the same parts always give the same bytes. Throws WriteError.
class PackageWriter {
  public:
    void add(const QString& partName, QByteArray bytes);
    QByteArray finish() const;
    const std::vector<std::pair<QString, QByteArray>>& parts() const { return parts_; }

  private:
    std::vector<std::pair<QString, QByteArray>> parts_;
};

/// Reads a relationships part; malformed entries are skipped.
std::vector<Relationship> parseRelationships(const QByteArray& xml);
QByteArray writeRelationships(const std::vector<Relationship>& rels);

} // namespace engine::docx
