// Building résumés through the late-bound adapter with the generator's exact calls:
// the sample résumé (target under 5 ms) and long work histories (1 000 entries under
// 200 ms, linear in n). The save runs too when a Word file writer is built in.
#include "tests/engine/resume_calls.h"

#include "engine/automation/application.h"
#include "engine/automation/services.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace resume_calls;

namespace {

// The data the main window's "Load Sample/Example Data" command fills in.
ResumeData sampleResume() {
    ResumeData r{QStringLiteral("Alex Morrow"), QStringLiteral("42 Juniper Lane"), QStringLiteral("Cedarbrook NH"),
                 QStringLiteral("04417"), QStringLiteral("555-010-4477"), QStringLiteral("alex.morrow@example.com"),
                 {{QStringLiteral("August 2005 - Present"), QStringLiteral("Marrowby"), QStringLiteral("Maplewick NH"),
                   QStringLiteral("Software Engineer")}},
                 {{QStringLiteral("Photoshop"), QStringLiteral("3 courses")},
                  {QStringLiteral("Software QA"), QStringLiteral("2 years of experience")}},
                 QStringLiteral("High School Diploma"), QStringLiteral("2000 to 2004"),
                 QStringLiteral("Cedarbrook High School"), QStringLiteral("Cedarbrook NH")};
    return r;
}

void buildAndMaybeSave(benchmark::State& state, const ResumeData& r, bool save) {
    engine::registerWordApplication();
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("bench.doc"));
    for (auto _ : state) {
        Built b = buildResume(r);
        if (!b.errors.isEmpty()) state.SkipWithError(b.errors.first().toUtf8().constData());
        if (save) b.document.call(QStringLiteral("SaveAs"), {path});
        b.document.call(QStringLiteral("Close"), {ole::I2(0)});
        b.word.call(QStringLiteral("Quit"));
    }
}

void BM_SampleResume(benchmark::State& state) { buildAndMaybeSave(state, sampleResume(), false); }
BENCHMARK(BM_SampleResume)->Unit(benchmark::kMillisecond);

void BM_SampleResumeSaved(benchmark::State& state) {
    if (!engine::automation::services().save) {
        engine::registerWordApplication();
        if (!engine::automation::services().save) {
            state.SkipWithError("no Word file writer in this build");
            return;
        }
    }
    buildAndMaybeSave(state, sampleResume(), true);
}
BENCHMARK(BM_SampleResumeSaved)->Unit(benchmark::kMillisecond);

void BM_WorkEntries(benchmark::State& state) {
    ResumeData r = sampleResume();
    r.work.clear();
    for (int k = 1; k <= state.range(0); ++k) r.work.push_back(sampleWork(k));
    buildAndMaybeSave(state, r, false);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_WorkEntries)->Arg(125)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_WorkEntriesSaved(benchmark::State& state) {
    engine::registerWordApplication();
    if (!engine::automation::services().save) {
        state.SkipWithError("no Word file writer in this build");
        return;
    }
    ResumeData r = sampleResume();
    r.work.clear();
    for (int k = 1; k <= state.range(0); ++k) r.work.push_back(sampleWork(k));
    buildAndMaybeSave(state, r, true);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_WorkEntriesSaved)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

BENCHMARK_MAIN();
