// Speed and memory of the main path's end: from "Start Creating Template" to the preview
// shown (with the document engine; the hand-over alone against a recording stand-in),
// zoom steps, page switches and drags. Offscreen.
//
// Targets: click to preview under 100 ms for the sample résumé, under 1.5 s for 100 work
// entries, the preview holding all its pictures under 400 MiB.

#include "tests/wordgen/FakeResumeSource.h"
#include "tests/wordgen/HandoverFakes.h"

#include "preview/Form2.h"
#include "preview/PictureArray.h"
#include "preview/PictureBox.h"
#include "preview/PreviewInstallation.h"
#include "shell/core/Messages.h"
#include "wordgen/ResumeHandover.h"
#include "wordgen/ole/recorder.h"
#include "wordgen/ole/registry.h"

#include <QApplication>
#include <QSet>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <cstdio>

#include <sys/resource.h>

#ifdef QUILLORY_BENCH_WITH_ENGINE
#include "engine/automation/application.h"
#include "engine/render/layout_services.h"
#endif

using namespace quillory;
using namespace quillory::testing;

namespace {

// Message boxes would block; a benchmark only counts them.
class CountingMessages : public Messages {
  public:
    int shown = 0;
    MessageAnswer show(const MessageRequest& r) override {
        ++shown;
        if (qEnvironmentVariableIsSet("QUILLORY_BENCH_SHOW_BOXES"))
            std::fprintf(stderr, "%s\n", qPrintable(r.text));
        return r.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
};

FakeResumeSource resumeWithWorkEntries(int entries) {
    FakeResumeSource source = FakeResumeSource::sample();
    if (entries <= 0)
        return source;
    source.work.clear();
    for (int i = 0; i < entries; ++i)
        source.work.push_back({QString("%1 - %2").arg(1990 + i % 30).arg(1991 + i % 30),
                               QString("Company number %1").arg(i + 1), "Maplewick NH",
                               QString("Engineer, grade %1").arg(i % 7 + 1)});
    return source;
}

// Bytes of picture memory the preview holds (pictures shared between controls count once).
qint64 previewPictureBytes(const Form2& form) {
    QSet<qint64> seen;
    qint64 bytes = 0;
    auto add = [&](const QImage& image) {
        if (image.isNull() || seen.contains(image.cacheKey()))
            return;
        seen.insert(image.cacheKey());
        bytes += image.sizeInBytes();
    };
    for (int i = 0; i < form.Image1->count(); ++i)
        add(form.Image1->picture(i));
    add(form.Picture1->picture());
    add(form.Picture1->painting());
    add(form.Zoom_Ori->picture());
    return bytes;
}

double peakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

#ifdef QUILLORY_BENCH_WITH_ENGINE
// Click to preview shown with the document engine: the whole generation, the temporary
// document, the page pictures and Form2's first set-up. "< Back" (untimed) removes the
// temporary document after each run.
void BM_ClickToPreviewShown(benchmark::State& state) {
    engine::registerWordApplication();
    engine::render::installLayoutServices();
    QTemporaryDir temp;
    qputenv("temp", temp.path().toLocal8Bit());
    CountingMessages messages;
    ScopedMessages scoped(messages);
    const FakeResumeSource source = resumeWithWorkEntries(int(state.range(0)));
    FakeDataEntry form1;
    PreviewInstallation preview(source, form1);
    preview.setEndApplication([] {});
    preview.form2(); // loaded once, as after the first generation
    qint64 pictureBytes = 0;
    int pages = 0;
    for (auto _ : state) {
        preview.generateResume();
        QCoreApplication::processEvents();
        state.PauseTiming();
        Form2& form = preview.form2();
        pages = form.pageCount();
        pictureBytes = std::max(pictureBytes, previewPictureBytes(form));
        form.PushButton8_Click();
        state.ResumeTiming();
    }
    state.counters["pages"] = pages;
    state.counters["preview_MiB"] = double(pictureBytes) / (1024.0 * 1024.0);
    state.counters["peak_rss_MiB"] = peakResidentMiB();
    state.counters["error_boxes"] = messages.shown;
}
// 0: the sample résumé as it is (one work entry).
BENCHMARK(BM_ClickToPreviewShown)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond);
#endif

// A US Letter page picture at 192 dots per inch, as the engine makes them.
QImage letterPage(int number) {
    QImage image(1632, 2112, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((number * 67) % 360, 180, 220));
    image.setDotsPerMeterX(7559);
    image.setDotsPerMeterY(7559);
    return image;
}

// The hand-over alone (lines 402 to 444) against a recording stand-in that answers with
// ready page pictures: the private temporary document, the picture files, Form2's set-up.
void BM_HandOverWithRecorder(benchmark::State& state) {
    QTemporaryDir temp;
    qputenv("temp", temp.path().toLocal8Bit());
    CountingMessages messages;
    ScopedMessages scoped(messages);
    const int pages = int(state.range(0));
    FakeClipboard clipboard;
    auto log = std::make_shared<ole::testing::Recording>();
    log->answer = [&](const ole::testing::Call& c) -> std::optional<ole::Value> {
        if (c.name == "BuiltInDocumentProperties")
            return ole::I4(pages);
        if (c.name == "CopyAsPicture")
            clipboard.copyPage();
        return std::nullopt;
    };
    ole::ScopedClass word{
        "Word.Application",
        {[log] { return std::make_shared<ole::testing::Recorder>(log, "Application"); }, {}}};
    FakeDataEntry form1;
    Form2 form;
    form.setDataEntryWindow(&form1);
    form.setEndApplication([] {});
    form.Form_Load();
    const FakeResumeSource source = FakeResumeSource::sample();
    for (auto _ : state) {
        state.PauseTiming();
        log->calls.clear();
        for (int i = 1; i <= pages; ++i)
            clipboard.pages.push_back(letterPage(i));
        state.ResumeTiming();
        GenerateResume(
            source, resumeHandover({form1, [&]() -> PreviewWindow& { return form; }, clipboard}));
        QCoreApplication::processEvents();
        state.PauseTiming();
        form.PushButton8_Click();
        state.ResumeTiming();
    }
    state.counters["preview_MiB"] = double(previewPictureBytes(form)) / (1024.0 * 1024.0);
    state.counters["error_boxes"] = messages.shown;
}
BENCHMARK(BM_HandOverWithRecorder)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// A preview showing a Letter page, for the view benchmarks.
struct ShownPreview {
    CountingMessages messages;
    ScopedMessages scoped{messages};
    Form2 form;
    explicit ShownPreview(int pages) {
        form.setEndApplication([] {});
        form.Form_Load();
        for (int i = 1; i <= pages; ++i)
            form.addPage(QString("Page %1").arg(i), letterPage(i));
        form.setPicture1(form.pagePicture(0));
        form.showWindow();
    }
};

// One zoom step painted at each factor from 0.25 to 4.0 (Arg: the factor × 4).
void BM_ZoomStepPaint(benchmark::State& state) {
    ShownPreview preview(1);
    const float factor = float(state.range(0)) / 4.0f;
    for (auto _ : state) {
        preview.form.SetZoom(factor);
        benchmark::DoNotOptimize(preview.form.Picture1->painting().constBits());
    }
    state.counters["painted_MiB"] =
        double(preview.form.Picture1->painting().sizeInBytes()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_ZoomStepPaint)->Arg(1)->Arg(4)->Arg(8)->Arg(16)->Unit(benchmark::kMillisecond);

void BM_PageSwitch(benchmark::State& state) {
    ShownPreview preview(3);
    int page = 0;
    for (auto _ : state) {
        preview.form.ListView1->setCurrentItem(preview.form.ListView1->topLevelItem(page));
        preview.form.ListView1_Click();
        page = (page + 1) % 3;
    }
}
BENCHMARK(BM_PageSwitch)->Unit(benchmark::kMillisecond);

// One mouse movement of a drag on a page zoomed to 4.0, with the repaint it causes.
void BM_DragMove(benchmark::State& state) {
    ShownPreview preview(1);
    preview.form.SetZoom(4.0f);
    preview.form.picture1_MouseDown(Qt::LeftButton, {}, 20000, 20000);
    float x = 20000;
    for (auto _ : state) {
        x = x > 19000 ? 18000 : 21000;
        preview.form.picture1_MouseMove(Qt::LeftButton, {}, x, x);
        preview.form.repaint();
    }
}
BENCHMARK(BM_DragMove)->Unit(benchmark::kMicrosecond);

// The preview holding the pictures of many pages, and its memory.
void BM_PreviewHoldingPages(benchmark::State& state) {
    const int pages = int(state.range(0));
    qint64 bytes = 0;
    for (auto _ : state) {
        ShownPreview preview(pages);
        preview.form.SetZoom(4.0f);
        bytes = previewPictureBytes(preview.form);
    }
    state.counters["preview_MiB"] = double(bytes) / (1024.0 * 1024.0);
    state.counters["peak_rss_MiB"] = peakResidentMiB();
}
BENCHMARK(BM_PreviewHoldingPages)->Arg(10)->Arg(20)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
