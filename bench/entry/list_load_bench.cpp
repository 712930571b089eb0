// How long the main window's load takes to rebuild large stored lists, and how long one
// list write takes. Loading 5 000 rows should stay well under a second.

#include "entry/Form1.h"
#include "entry/ListViewRows.h"
#include "shell/core/SettingsStore.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {

QString workHistory(int rows) {
    QStringList list;
    for (int i = 0; i < rows; ++i)
        list << QStringLiteral("Year %1^Company number %1^City %1, ST^Job title %1").arg(i);
    return list.join(QLatin1Char('|'));
}

QString skills(int rows) {
    QStringList list;
    for (int i = 0; i < rows; ++i)
        list << QStringLiteral("Skill %1^A description of the skill\nover two lines %1").arg(i);
    return list.join(QLatin1Char('|'));
}

void BM_Form1LoadsStoredLists(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    quillory::IniSettingsStore store(dir.filePath(QStringLiteral("Marrowby.ini")));
    store.write(QStringLiteral("Work History"), workHistory(rows));
    store.write(QStringLiteral("Skills and Abilities"), skills(rows));
    for (auto _ : state) {
        quillory::Form1 form(store);
        form.setApplicationFolder(dir.path());
        form.Form_Load();
        benchmark::DoNotOptimize(form.workHistoryRowCount());
        if (form.workHistoryRowCount() != rows || form.skillRowCount() != rows)
            state.SkipWithError("rows were lost");
    }
    state.SetItemsProcessed(state.iterations() * rows * 2);
}
BENCHMARK(BM_Form1LoadsStoredLists)->Arg(100)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_ListWriteAfterAnAdd(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    quillory::IniSettingsStore store(dir.filePath(QStringLiteral("Marrowby.ini")));
    store.write(QStringLiteral("Work History"), workHistory(rows));
    quillory::Form1 form(store);
    form.setApplicationFolder(dir.path());
    form.Form_Load();
    for (auto _ : state) {
        form.PushButton3_Click();  // appends a row and writes the whole list
        state.PauseTiming();
        delete form.ListView1->takeTopLevelItem(form.ListView1->topLevelItemCount() - 1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ListWriteAfterAnAdd)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
