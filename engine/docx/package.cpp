#include "engine/docx/package.h"

#include "engine/docx/errors.h"
#include "engine/docx/xml_util.h"

#include <QStringList>

#include <pugixml.hpp>
#include <zip.h>

#include <cstring>
#include <ctime>

namespace engine::docx {

namespace {

QString zipErrorText(zip_error_t* e) {
    return QString::fromUtf8(zip_error_strerror(e));
}

QString partKey(QString name) {
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    return name;
}

QString localName(const char* qname) {
    const char* colon = std::strchr(qname, ':');
    return QString::fromUtf8(colon ? colon + 1 : qname);
}

} // namespace

QString relationshipsPartOf(const QString& part) {
    const QString p = partKey(part);
    if (p.isEmpty())
        return QStringLiteral("_rels/.rels");
    const int slash = p.lastIndexOf(QLatin1Char('/'));
    return p.left(slash + 1) + QStringLiteral("_rels/") + p.mid(slash + 1) +
           QStringLiteral(".rels");
}

QString resolveTarget(const QString& sourcePart, const QString& target) {
    QString path;
    if (target.startsWith(QLatin1Char('/'))) {
        path = target;
    } else {
        const QString src = partKey(sourcePart);
        path = src.left(src.lastIndexOf(QLatin1Char('/')) + 1) + target;
    }
    QStringList out;
    for (const QString& seg : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (seg == QLatin1String("."))
            continue;
        if (seg == QLatin1String("..")) {
            if (!out.isEmpty())
                out.removeLast();
            continue;
        }
        out << seg;
    }
    return out.join(QLatin1Char('/'));
}

bool isRelationshipType(const QString& type, const char* lastSegment) {
    return type.endsWith(QLatin1Char('/') + QLatin1String(lastSegment));
}

std::vector<Relationship> parseRelationships(const QByteArray& xml) {
    std::vector<Relationship> out;
    pugi::xml_document doc;
    if (!doc.load_buffer(xml.constData(), size_t(xml.size())))
        return out;
    for (pugi::xml_node r : doc.document_element().children()) {
        if (localName(r.name()) != QLatin1String("Relationship"))
            continue;
        Relationship rel;
        rel.id = xml::qstr(r.attribute("Id").value());
        rel.type = xml::qstr(r.attribute("Type").value());
        rel.target = xml::qstr(r.attribute("Target").value());
        rel.external =
            QString::fromUtf8(r.attribute("TargetMode").value()) == QLatin1String("External");
        if (!rel.type.isEmpty() && !rel.target.isEmpty())
            out.push_back(rel);
    }
    return out;
}

QByteArray writeRelationships(const std::vector<Relationship>& rels) {
    pugi::xml_document doc;
    xml::addDeclaration(doc);
    pugi::xml_node root = doc.append_child("Relationships");
    root.append_attribute("xmlns") = xml::kNsRels;
    for (const Relationship& r : rels) {
        pugi::xml_node n = root.append_child("Relationship");
        xml::setAttr(n, "Id", r.id);
        xml::setAttr(n, "Type", r.type);
        xml::setAttr(n, "Target", r.target);
        if (r.external)
            xml::setAttr(n, "TargetMode", "External");
    }
    return QByteArray::fromStdString(xml::serialize(doc));
}

// ---------------------------------------------------------------------------------------

struct PackageReader::Zip {
    zip_t* archive = nullptr;
    ~Zip() {
        if (archive)
            zip_discard(archive);
    }
};

PackageReader::PackageReader(QByteArray zipBytes, const ReadLimits& limits)
    : bytes_(std::move(zipBytes)), zip_(std::make_unique<Zip>()), limits_(limits) {
    zip_error_t err;
    zip_error_init(&err);
    zip_source_t* src =
        zip_source_buffer_create(bytes_.constData(), zip_uint64_t(bytes_.size()), 0, &err);
    if (!src) {
        const QString why = zipErrorText(&err);
        zip_error_fini(&err);
        throw ReadError(QStringLiteral("it cannot be read as a ZIP package (%1)").arg(why));
    }
    zip_->archive = zip_open_from_source(src, ZIP_RDONLY, &err);
    if (!zip_->archive) {
        zip_source_free(src);
        zip_error_fini(&err);
        throw ReadError(QStringLiteral(
            "it is not a Word document (it is not a ZIP package, or the package is damaged)"));
    }
    zip_error_fini(&err);
    if (zip_get_num_entries(zip_->archive, 0) > limits_.maxEntries)
        throw ReadError(QStringLiteral("it holds too many parts to be a document"));
}

PackageReader::~PackageReader() = default;

bool PackageReader::has(const QString& partName) const {
    return zip_name_locate(zip_->archive, partKey(partName).toUtf8().constData(), ZIP_FL_NOCASE) >=
           0;
}

std::optional<QByteArray> PackageReader::read(const QString& partName) {
    const QString key = partKey(partName);
    const zip_int64_t index =
        zip_name_locate(zip_->archive, key.toUtf8().constData(), ZIP_FL_NOCASE);
    if (index < 0)
        return std::nullopt;
    zip_file_t* f = zip_fopen_index(zip_->archive, zip_uint64_t(index), 0);
    if (!f) {
        const QString why = QString::fromUtf8(zip_strerror(zip_->archive));
        throw ReadError(
            QStringLiteral("its part %1 is damaged or cannot be read (%2)").arg(key, why));
    }
    QByteArray out;
    char buffer[64 * 1024];
    for (;;) {
        const zip_int64_t n = zip_fread(f, buffer, sizeof buffer);
        if (n < 0) {
            const QString why = QString::fromUtf8(zip_file_strerror(f));
            zip_fclose(f);
            throw ReadError(QStringLiteral("its part %1 is damaged (%2)").arg(key, why));
        }
        if (n == 0)
            break;
        out.append(buffer, qsizetype(n));
        totalRead_ += n;
        if (out.size() > limits_.maxPartBytes || totalRead_ > limits_.maxTotalBytes) {
            zip_fclose(f);
            throw ReadError(QStringLiteral("its part %1 is too large to be read").arg(key));
        }
    }
    zip_fclose(f);
    return out;
}

std::vector<Relationship> PackageReader::relationships(const QString& part) {
    const std::optional<QByteArray> xmlBytes = read(relationshipsPartOf(part));
    return xmlBytes ? parseRelationships(*xmlBytes) : std::vector<Relationship>{};
}

std::optional<QString> PackageReader::target(const QString& part, const char* typeSegment) {
    for (const Relationship& r : relationships(part))
        if (!r.external && isRelationshipType(r.type, typeSegment))
            return resolveTarget(part, r.target);
    return std::nullopt;
}

std::vector<QString> PackageReader::partNames() const {
    std::vector<QString> out;
    const zip_int64_t n = zip_get_num_entries(zip_->archive, 0);
    for (zip_int64_t i = 0; i < n; ++i)
        if (const char* name = zip_get_name(zip_->archive, zip_uint64_t(i), 0))
            out.push_back(QString::fromUtf8(name));
    return out;
}

// ---------------------------------------------------------------------------------------

void PackageWriter::add(const QString& partName, QByteArray bytes) {
    parts_.emplace_back(partKey(partName), std::move(bytes));
}

namespace {
time_t dosEpoch() {
    std::tm t{};
    t.tm_year = 80; // 1980
    t.tm_mday = 1;
    t.tm_isdst = -1;
    return std::mktime(&t); // zip times are local times
}

[[noreturn]] void writeFailed(const QString& what) {
    throw WriteError(QStringLiteral("the document package could not be assembled (%1)").arg(what));
}
} // namespace

QByteArray PackageWriter::finish() const {
    zip_error_t err;
    zip_error_init(&err);
    zip_source_t* src = zip_source_buffer_create(nullptr, 0, 0, &err);
    if (!src)
        writeFailed(zipErrorText(&err));
    zip_t* za = zip_open_from_source(src, ZIP_TRUNCATE, &err);
    if (!za) {
        zip_source_free(src);
        writeFailed(zipErrorText(&err));
    }
    zip_source_keep(src); // read the result after closing the archive
    const time_t mtime = dosEpoch();
    for (const auto& [name, bytes] : parts_) {
        zip_source_t* data =
            zip_source_buffer(za, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        const zip_int64_t idx =
            data ? zip_file_add(za, name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8) : -1;
        if (idx < 0) {
            if (data)
                zip_source_free(data);
            const QString why = QString::fromUtf8(zip_strerror(za));
            zip_discard(za);
            zip_source_free(src);
            writeFailed(why);
        }
        zip_set_file_compression(za, zip_uint64_t(idx), ZIP_CM_DEFLATE, 6);
        zip_file_set_mtime(za, zip_uint64_t(idx), mtime, 0);
    }
    if (zip_close(za) < 0) {
        const QString why = QString::fromUtf8(zip_strerror(za));
        zip_discard(za);
        zip_source_free(src);
        writeFailed(why);
    }
    QByteArray out;
    if (zip_source_open(src) == 0) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_source_stat(src, &st) == 0 && (st.valid & ZIP_STAT_SIZE)) {
            out.resize(qsizetype(st.size));
            const zip_int64_t n = zip_source_read(src, out.data(), st.size);
            if (n != zip_int64_t(st.size))
                out.clear();
        }
        zip_source_close(src);
    }
    zip_source_free(src);
    if (out.isEmpty())
        writeFailed(QStringLiteral("no data"));
    return out;
}

} // namespace engine::docx
