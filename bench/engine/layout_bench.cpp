// Layout and page pictures: the sample résumé laid out and drawn; a résumé of 1 000 work
// entries laid out; and the page pictures of all its pages made by the generator's
// delete-the-first-page loop through the late-bound objects. Reports time per page and the
// process's peak memory.
#include "../../tests/wordgen/FakeResumeSource.h"
#include "../../tests/wordgen/RecordingMessages.h"

#include "engine/automation/application.h"
#include "engine/render/layout_services.h"
#include "engine/render/page_image.h"
#include "wordgen/ResumeGenerator.h"
#include "wordgen/ole/registry.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using quillory::testing::FakeResumeSource;

namespace {

FakeResumeSource resume(int entries) {
    FakeResumeSource s = FakeResumeSource::sample();
    s.work.clear();
    for (int i = 0; i < entries; ++i)
        s.work.push_back({QStringLiteral("January %1 - December %2").arg(1900 + i % 120).arg(1901 + i % 120),
                          QStringLiteral("Company number %1").arg(i), QStringLiteral("Town %1 NH").arg(i),
                          QStringLiteral("Position %1").arg(i)});
    return s;
}

// Builds a résumé with the generator on the engine and saves it; returns the file.
QString saved(const FakeResumeSource& source, const QTemporaryDir& dir, const QString& name) {
    quillory::testing::RecordingMessages messages;
    quillory::ScopedMessages scoped{messages};
    quillory::GenerationRun run;
    quillory::BuildResumeDocument(run, source);
    const QString path = dir.filePath(name);
    run.document.call(QStringLiteral("SaveAs"), {path});
    run.document.call(QStringLiteral("Close"));
    run.word.call(QStringLiteral("Quit"));
    return path;
}

long peakKiB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

struct Opened {
    ole::Object word, doc;
    engine::model::Document* model = nullptr;
};
Opened open(const QString& path) {
    Opened o;
    o.word = ole::CreateObject(QStringLiteral("Word.Application"));
    o.doc = o.word.get(QStringLiteral("Documents")).call(QStringLiteral("Open"), {path}).toObject();
    o.model = engine::modelOf(o.doc.ptr());
    return o;
}

const QTemporaryDir& folder() {
    static QTemporaryDir d;
    return d;
}

void BM_SampleLayoutAndPicture(benchmark::State& state) {
    const Opened o = open(saved(FakeResumeSource::sample(), folder(), QStringLiteral("sample.doc")));
    for (auto _ : state) {
        engine::layout::DocumentLayout layout(*o.model);
        QImage img = engine::render::renderPage(layout, 0, engine::render::pictureDpi());
        benchmark::DoNotOptimize(img.constBits());
    }
    o.word.call(QStringLiteral("Quit"));
}
BENCHMARK(BM_SampleLayoutAndPicture)->Unit(benchmark::kMillisecond);

void BM_Layout(benchmark::State& state) {
    const int entries = int(state.range(0));
    const Opened o = open(saved(resume(entries), folder(), QStringLiteral("work%1.doc").arg(entries)));
    int pages = 0;
    for (auto _ : state) {
        engine::layout::DocumentLayout layout(*o.model);
        pages = layout.pageCount();
    }
    state.counters["pages"] = pages;
    o.word.call(QStringLiteral("Quit"));
}
BENCHMARK(BM_Layout)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);

// The generator's loop: picture of page 1 to the clipboard, go to page 2, select back to the
// start, delete; the last page is taken as it is.
void BM_PagePicturesByDeleteLoop(benchmark::State& state) {
    const int entries = int(state.range(0));
    const QString path = saved(resume(entries), folder(), QStringLiteral("loop%1.doc").arg(entries));
    int pages = 0;
    double perPage = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Opened o = open(path);
        ole::Object sel = o.word.get(QStringLiteral("Selection"));
        state.ResumeTiming();
        const auto started = std::chrono::steady_clock::now();
        o.doc.call(QStringLiteral("Repaginate"));
        pages = o.doc.get(QStringLiteral("BuiltInDocumentProperties"), {ole::I4(14)}).value(QString()).toInt();
        for (int done = 0; done < pages; ++done) {
            o.doc.get(QStringLiteral("Range")).call(QStringLiteral("CopyAsPicture"));
            benchmark::DoNotOptimize(QGuiApplication::clipboard()->image().constBits());
            if (pages - done > 1) {
                sel.call(QStringLiteral("GoTo"), {ole::I2(1), ole::I2(2), ole::I2(2)});
                sel.call(QStringLiteral("HomeKey"), {ole::I2(6), ole::I2(1)});
                sel.call(QStringLiteral("Delete"), {ole::I2(1), ole::I2(1)});
            } else {
                sel.call(QStringLiteral("EndKey"), {ole::I2(6), ole::I4(1)});
            }
        }
        perPage = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count() / pages;
        state.PauseTiming();
        o.doc.call(QStringLiteral("Close"), {ole::I2(0)});
        o.word.call(QStringLiteral("Quit"));
        state.ResumeTiming();
    }
    state.counters["pages"] = pages;
    state.counters["ms_per_page"] = perPage;
    state.counters["peak_MiB"] = peakKiB() / 1024.0;
}
BENCHMARK(BM_PagePicturesByDeleteLoop)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    engine::registerWordApplication();
    engine::render::installLayoutServices();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
