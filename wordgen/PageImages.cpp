#include "wordgen/PageImages.h"

#include "shell/core/Error.h"
#include "shell/core/Files.h"
#include "shell/core/ResumeSource.h"
#include "wordgen/PageClipboard.h"
#include "wordgen/PreviewWindow.h"
#include "wordgen/TemporaryFiles.h"
#include "wordgen/ole/registry.h"

#include <QDir>
#include <QImageReader>
#include <QScopeGuard>
#include <QTemporaryFile>

namespace quillory {

using ole::I2;
using ole::I4;
using ole::Object;

namespace {

// Word's values, passed as 16-bit integers unless a step says otherwise.
constexpr int16_t wdGoToPage = 1;
constexpr int16_t wdGoToNext = 2;
constexpr int16_t wdStory = 6;
constexpr int16_t wdExtend = 1;
constexpr int16_t wdCharacter = 1;
constexpr int16_t wdDoNotSaveChanges = 0;
constexpr int16_t kPageCountProperty = 14; // wdPropertyPages
constexpr int kHourglass = 11;

QString S(const char* s) {
    return QString::fromLatin1(s);
}

// A property read that may answer with an object whose default member holds the value.
int32_t integerValue(const ole::Value& value) {
    if (value.type() == ole::VarType::Object)
        return ole::Object(value.toObject()).value(QString()).toInt();
    return value.toInt();
}

// Closes the document without saving and quits the instance after a failure; what fails
// here is of no further interest.
void closeQuietly(const Object& word) {
    try {
        word.get(S("ActiveDocument")).call(S("Close"), {I2(wdDoNotSaveChanges)});
    } catch (...) {
    }
    try {
        word.call(S("Quit"));
    } catch (...) {
    }
}

} // namespace

QImage throughPictureFile(const QImage& picture,
                          const std::function<void(const QString&)>& written) {
    QTemporaryFile file(QDir(QDir::fromNativeSeparators(temporaryFolder()))
                            .filePath(QStringLiteral("quillory-page-XXXXXX.bmp")));
    if (!file.open())
        throw Error(QStringLiteral("The page picture file cannot be created in %1: %2")
                        .arg(temporaryFolder(), file.errorString()));
    const QString name = file.fileName();
    const auto removeFile = qScopeGuard([&] {
        file.close();
        DeleteFileForced(name);
    });
    if (!picture.save(&file, "BMP") || !file.flush())
        throw Error(QStringLiteral("The page picture cannot be written to %1: %2")
                        .arg(QDir::toNativeSeparators(name), file.errorString()));
    file.close();
    if (written)
        written(name);
    QImageReader reader(name, "bmp");
    QImage loaded = reader.read();
    if (loaded.isNull())
        throw Error(QStringLiteral("The page picture cannot be read from %1: %2")
                        .arg(QDir::toNativeSeparators(name), reader.errorString()));
    return loaded;
}

QString pageItemText(int number) {
    return QStringLiteral("Page ") + QString::number(number);
}

void RenderPageImages(const QString& path, const PageImageTargets& targets) {
    targets.clipboard.keep();
    const auto restoreClipboard = qScopeGuard([&] { targets.clipboard.restore(); });

    Object word = ole::CreateObject(S("Word.Application"));
    bool finished = false;
    const auto cleanUp = qScopeGuard([&] {
        if (!finished)
            closeQuietly(word);
    });

    const Object document = word.get(S("Documents")).call(S("Open"), {path}).toObject();
    word.get(S("ActiveDocument")).call(S("Repaginate"));
    const int32_t pageCount =
        integerValue(word.get(S("ActiveDocument"))
                         .value(S("BuiltInDocumentProperties"), {I2(kPageCountProperty)}));

    int32_t picturesMade = 0;
    int32_t passesFinished = 0;
    bool lastPage = false;
    while (!lastPage) {
        targets.dataEntry.setMousePointer(kHourglass);
        document.get(S("Range")).call(S("CopyAsPicture"));
        ++picturesMade;
        const Object selection = word.get(S("Selection"));
        if (pageCount - passesFinished > 1) {
            selection.call(S("GoTo"), {I2(wdGoToPage), I2(wdGoToNext), I2(2)});
            selection.call(S("HomeKey"), {I2(wdStory), I2(wdExtend)});
            selection.call(S("Delete"), {I2(wdCharacter), I2(1)});
        } else {
            selection.call(S("EndKey"), {I2(wdStory), I4(wdExtend)});
            lastPage = true;
        }
        const std::optional<QImage> picture = targets.clipboard.readPicture();
        if (!picture)
            throw Error(
                QStringLiteral("The picture of page %1 could not be read from the clipboard")
                    .arg(picturesMade));
        const QImage loaded = throughPictureFile(*picture);
        targets.preview.addPage(pageItemText(picturesMade), loaded);
        ++passesFinished;
    }

    word.get(S("ActiveDocument")).call(S("Close"), {I2(wdDoNotSaveChanges)});
    word.call(S("Quit"));
    finished = true;
}

} // namespace quillory
