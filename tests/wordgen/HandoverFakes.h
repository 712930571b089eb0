#pragma once
// Stand-ins for what the hand-over and the page pictures act on: the preview window, the
// data-entry window and the clipboard, each recording what was done to it.

#include "shell/core/ResumeSource.h"
#include "wordgen/PageClipboard.h"
#include "wordgen/PreviewWindow.h"

#include <QStringList>
#include <QVector>

#include <deque>

namespace quillory::testing {

// Shared by the fakes so a test sees the order of what happened to both windows.
using Journal = QStringList;

class FakePreview : public PreviewWindow {
  public:
    Journal* journal = nullptr;
    QStringList items;
    QVector<QImage> pictures;
    QImage picture1;
    QString wordFile;
    QStringList events; // "clear", "add Page 1", "picture1", "wordFile", "show"
    int showCount = 0;

    void clearPages() override {
        items.clear();
        pictures.clear();
        picture1 = QImage();
        events << "clear";
    }
    void addPage(const QString& text, const QImage& picture) override {
        items << text;
        pictures << picture;
        events << "add " + text;
    }
    int pageCount() const override { return items.size(); }
    QImage pagePicture(int index) const override { return pictures.value(index); }
    void setPicture1(const QImage& picture) override {
        picture1 = picture;
        events << "picture1";
    }
    void setWordFile(const QString& path) override {
        wordFile = path;
        events << "wordFile";
    }
    void showWindow() override {
        ++showCount;
        events << "show";
        if (journal)
            *journal << "preview shown";
    }
};

class FakeDataEntry : public DataEntryWindow {
  public:
    Journal* journal = nullptr;
    int pointer = 0;
    QVector<int> pointerHistory;
    bool visible = true;
    QStringList events;

    void setMousePointer(int code) override {
        pointer = code;
        pointerHistory << code;
    }
    int mousePointer() const override { return pointer; }
    void showWindow() override {
        visible = true;
        events << "show";
    }
    void hideWindow() override {
        visible = false;
        events << "hide";
        if (journal)
            *journal << "data entry hidden";
    }
};

// A clipboard that holds one picture at a time, put there by `copyPage` (what the word
// processor's CopyAsPicture does in these tests).
class FakeClipboard : public PageClipboard {
  public:
    std::deque<QImage> pages;   // what each CopyAsPicture puts on the clipboard, in order
    std::optional<QImage> held; // the clipboard's picture now
    QString userContent = "the user's text";
    QString content = userContent;
    int keeps = 0;
    int restores = 0;
    int reads = 0;

    void copyPage() {
        if (pages.empty())
            return;
        held = pages.front();
        pages.pop_front();
        content.clear();
    }
    std::optional<QImage> readPicture() override {
        ++reads;
        return held;
    }
    void keep() override {
        ++keeps;
        userContent = content;
    }
    void restore() override {
        ++restores;
        held.reset();
        content = userContent;
    }
};

// A page picture of `number` with a recorded resolution of 192 dots per inch.
inline QImage pagePicture(int number, QSize size = {170, 220}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((number * 47) % 360, 200, 230));
    image.setDotsPerMeterX(7559);
    image.setDotsPerMeterY(7559);
    return image;
}

} // namespace quillory::testing
