// Word files: writing and reading the sample résumé and long work histories. Targets: the
// sample résumé saved in under 5 ms, 1 000 work entries in under 200 ms, linear in n.
#include "tests/engine/docx_support.h"

#include "engine/docx/docx.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace engine;

namespace {

void BM_DocxPackageSampleResume(benchmark::State& state) {
    const model::Document d = docx_test::sampleResume(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(docx::toPackage(d));
}
BENCHMARK(BM_DocxPackageSampleResume)->Unit(benchmark::kMillisecond);

// Building the model and saving it to a file, as SaveAs does after the generator's calls.
void BM_DocxBuildAndSaveSampleResume(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("varlin12345678.doc"));
    for (auto _ : state)
        docx::save(docx_test::sampleResume(1), path);
}
BENCHMARK(BM_DocxBuildAndSaveSampleResume)->Unit(benchmark::kMillisecond);

void BM_DocxSaveWorkEntries(benchmark::State& state) {
    const model::Document d = docx_test::sampleResume(int(state.range(0)));
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("long.docx"));
    for (auto _ : state)
        docx::save(d, path);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_DocxSaveWorkEntries)
    ->Arg(125)
    ->Arg(250)
    ->Arg(500)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void BM_DocxLoadWorkEntries(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("long.docx"));
    docx::save(docx_test::sampleResume(int(state.range(0))), path);
    for (auto _ : state)
        benchmark::DoNotOptimize(docx::load(path));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_DocxLoadWorkEntries)
    ->Arg(1)
    ->Arg(250)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace

BENCHMARK_MAIN();
