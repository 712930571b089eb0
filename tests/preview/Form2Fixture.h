#pragma once
// A loaded Form2 with recorded message boxes, a stand-in data-entry window, and page
// pictures handed over the way the generator hands them over.

#include "tests/wordgen/HandoverFakes.h"
#include "tests/wordgen/RecordingMessages.h"

#include "preview/Form2.h"
#include "preview/PictureBox.h"
#include "shell/core/Messages.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <QVector>

#include <gtest/gtest.h>

namespace quillory::testing {

// A page of `twipsWidth` × `twipsHeight` drawn at 192 dots per inch (as the engine draws
// them), filled with `colour`.
inline QImage pageOfSize(int twipsWidth, int twipsHeight, QColor colour) {
    const int width = twipsWidth * 192 / 1440;
    const int height = twipsHeight * 192 / 1440;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    image.setDotsPerMeterX(7559);
    image.setDotsPerMeterY(7559);
    return image;
}

// A US Letter page (12 240 × 15 840 twips) in a colour of its own.
inline QImage letterPage(int number) {
    return pageOfSize(12240, 15840, QColor::fromHsv((number * 67) % 360, 180, 220));
}

inline QColor centreColour(const PictureBox& box) {
    const QImage shown = box.rendered();
    return shown.pixelColor(shown.width() / 2, shown.height() / 2);
}

class Form2Test : public ::testing::Test {
  protected:
    QTemporaryDir folder; // application folder (no cursor) and home of the test files
    RecordingMessages messages;
    ScopedMessages scopedMessages{messages};
    FakeDataEntry form1;
    int endRequests = 0;
    Form2 form;

    void SetUp() override {
        form.setApplicationFolder(folder.path());
        form.setDataEntryWindow(&form1);
        form.setEndApplication([this] { ++endRequests; });
        form.Form_Load();
    }

    // What the generator does from its line 430 on.
    void handOver(const QVector<QImage>& pages, const QString& wordFile = QString()) {
        form.clearPages();
        for (int i = 0; i < pages.size(); ++i)
            form.addPage(QStringLiteral("Page %1").arg(i + 1), pages[i]);
        if (form.pageCount() >= 1)
            form.setPicture1(form.pagePicture(0));
        form.setWordFile(wordFile);
        form.showWindow();
    }
};

} // namespace quillory::testing
