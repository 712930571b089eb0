#pragma once
// RenderPageImages: every page of a saved document becomes a picture in the preview
// window. The document is opened in a word-processor instance of its own; its first page
// is copied to the clipboard as a picture and then deleted, so the next page becomes the
// first, until the last page; the document is closed without saving, so the file keeps
// all its pages.

#include <QImage>
#include <QString>

#include <functional>

namespace quillory {

class DataEntryWindow;
class PageClipboard;
class PreviewWindow;

struct PageImageTargets {
    PreviewWindow& preview;     // receives "Page 1", "Page 2"... and the pictures
    DataEntryWindow& dataEntry; // shows the hourglass while the pages are made
    PageClipboard& clipboard;   // the pictures pass through it; its content is restored
};

// Traps nothing: the first failure ends the run (after closing the instance and restoring
// the clipboard) and reaches the caller; the pages made before it stay in the preview.
// Each picture passes through its own private file in the temporary folder, removed
// again at once.
void RenderPageImages(const QString& path, const PageImageTargets& targets);

// Saves `picture` to a new file in the temporary folder, created exclusively under a unique
// name and readable by its owner only, and loads it back, the way each page picture
// reaches the preview; the file is deleted again before returning. A bitmap file keeps
// every pixel and the recorded resolution and is the quickest to write and read.
// `written` (tests) sees the file's path once the picture is in it. Throws quillory::Error.
QImage throughPictureFile(const QImage& picture,
                          const std::function<void(const QString& path)>& written = {});

// The text of the page list item of page `number` (from 1).
QString pageItemText(int number);

} // namespace quillory
