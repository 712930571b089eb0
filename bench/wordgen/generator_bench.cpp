// GenerateResume on the real engine up to the finished document (before it is saved).

#include "FakeResumeSource.h"

#include "engine/automation/application.h"
#include "engine/render/layout_services.h"
#include "shell/core/Messages.h"
#include "wordgen/ResumeGenerator.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace quillory;

// Counts error boxes instead of showing them; a benchmark with failures is worthless.
struct CountingMessages : Messages {
    int shown = 0;
    MessageAnswer show(const MessageRequest&) override {
        ++shown;
        return MessageAnswer::Ok;
    }
};

void runGenerator(benchmark::State& state, const testing::FakeResumeSource& source) {
    engine::registerWordApplication();
        engine::render::installLayoutServices();
    CountingMessages messages;
    ScopedMessages scoped(messages);
    for (auto _ : state) {
        GenerateResume(source, [](GenerationRun& run) {
            run.document.call(QStringLiteral("Close"), {ole::I2(0)});
            run.word.call(QStringLiteral("Quit"));
        });
    }
    if (messages.shown) state.SkipWithError("the generator reported failures");
}

void BM_GenerateSampleResume(benchmark::State& state) {
    runGenerator(state, testing::FakeResumeSource::sample());
}
BENCHMARK(BM_GenerateSampleResume)->Unit(benchmark::kMillisecond);

void BM_GenerateWorkHistory(benchmark::State& state) {
    testing::FakeResumeSource s = testing::FakeResumeSource::sample();
    s.work.clear();
    for (int i = 0; i < state.range(0); ++i)
        s.work.append({QString("Year %1").arg(i), "Company", "City", "Title"});
    runGenerator(state, s);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_GenerateWorkHistory)->Arg(100)->Arg(200)->Arg(400)->Complexity()->Unit(benchmark::kMillisecond);

} // namespace

// Layout needs fonts, and fonts need a QGuiApplication.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
