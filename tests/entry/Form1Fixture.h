#pragma once
// A Form1 on a memory store, with its message boxes captured and its folder of
// side files (cursor, skin) empty unless a test puts something there.

#include "entry/Form1.h"
#include "entry/TextBoxes.h"
#include "shell/SkinFramework.h"
#include "tests/entry/MemorySettingsStore.h"
#include "tests/shell/QtPrinters.h"
#include "tests/shell/RecordingMessages.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace quillory::testing {

class Form1Test : public ::testing::Test {
protected:
    CapturedMessages messages;
    MemorySettingsStore store;
    QTemporaryDir folder;
    std::unique_ptr<Form1> form;
    int endCalls = 0;

    void SetUp() override { form = makeForm(); }

    std::unique_ptr<Form1> makeForm() {
        auto made = std::make_unique<Form1>(store);
        made->setApplicationFolder(folder.path());
        made->setEndApplication([this] { ++endCalls; });
        return made;
    }

    QStringList boxTexts() const { return messages.recorder.texts(); }

    static QStringList row(const QTreeWidget* list, int index) {
        QStringList strings;
        for (int c = 0; c < list->columnCount(); ++c)
            strings << list->topLevelItem(index)->text(c);
        return strings;
    }

    static int selectedIndex(const QTreeWidget* list) {
        const auto selected = list->selectedItems();
        return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
    }
};

// The line a captured error message reports, or -1.
inline int reportedLine(const QString& text) {
    const qsizetype at = text.indexOf(QStringLiteral(" at line "));
    if (at < 0)
        return -1;
    return text.mid(at + 9).section(QLatin1Char('\r'), 0, 0).toInt();
}

inline QString reportedLocation(const QString& text) {
    const QString second = text.section(QStringLiteral("\r\n"), 1, 1);
    return second.mid(QStringLiteral("in Quillory2021/08/31.").size()).section(QLatin1Char(' '), 0, 0);
}

}  // namespace quillory::testing
