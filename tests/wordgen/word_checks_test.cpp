// The checks that a word-processor instance can be created and whether one already runs.

#include "FakeResumeSource.h"
#include "RecordingMessages.h"

#include "wordgen/ResumeGenerator.h"
#include "wordgen/WordChecks.h"
#include "shell/core/AppTitle.h"
#include "wordgen/ole/recorder.h"
#include "wordgen/ole/registry.h"

#include <gtest/gtest.h>

using namespace quillory;
using namespace quillory::testing;
using ole::testing::Recorder;
using ole::testing::Recording;

namespace {

struct RunningInstance {
    std::shared_ptr<Recording> log = std::make_shared<Recording>();
    QString name = "Microsoft Word";
    ole::DispatchPtr attach() {
        log->answer = [this](const ole::testing::Call& c) -> std::optional<ole::Value> {
            if (c.name.isEmpty() && c.kind == ole::Invoke::PropertyGet) return ole::Value(name);
            return std::nullopt;
        };
        return std::make_shared<Recorder>(log, "Running");
    }
};

class WordChecks : public ::testing::Test {
protected:
    RecordingMessages messages;
    ScopedMessages scoped{messages};
    std::shared_ptr<Recording> created = std::make_shared<Recording>();
    int creations = 0;
    ole::ClassFactory factory(RunningInstance* running) {
        return {[this] {
                    ++creations;
                    return std::make_shared<Recorder>(created, "Application");
                },
                running ? std::function<ole::DispatchPtr()>([running] { return running->attach(); })
                        : std::function<ole::DispatchPtr()>()};
    }
};

} // namespace

TEST_F(WordChecks, start_check_creates_and_quits_one_instance_silently) {
    ole::ScopedClass word{"Word.Application", factory(nullptr)};
    bool ended = false;
    CheckWordCanStart([&] { ended = true; });
    EXPECT_FALSE(ended);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(created->lines(), QStringList({"call Application.Quit()"}));
}

TEST_F(WordChecks, start_check_without_the_word_processor_advises_and_ends) {
    ole::ScopedClass word{"Word.Application",
                          {[]() -> ole::DispatchPtr { throw ole::Error("not installed"); }, {}}};
    bool ended = false;
    CheckWordCanStart([&] { ended = true; });
    EXPECT_TRUE(ended);
    ASSERT_EQ(messages.shown.size(), 1u);
    const MessageRequest& m = messages.shown[0];
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_EQ(m.icon, MessageIcon::None);
    EXPECT_EQ(m.title, applicationTitle());
    const QStringList paragraphs = m.text.split("\r\n\r\n");
    ASSERT_EQ(paragraphs.size(), 5);
    EXPECT_EQ(paragraphs[0], "Error 842001. A normal instance of Word could not be created.");
    EXPECT_TRUE(paragraphs[4].startsWith("4. All versions of Word are supported"));
}

TEST_F(WordChecks, start_check_ignores_a_failing_quit) {
    ole::ScopedClass word{"Word.Application", factory(nullptr)};
    created->failAt = 1;
    bool ended = false;
    CheckWordCanStart([&] { ended = true; });
    EXPECT_FALSE(ended);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WordChecks, running_detection_needs_the_exact_name) {
    RunningInstance running;
    ole::ScopedClass word{"Word.Application", factory(&running)};
    EXPECT_TRUE(IsWordRunning());
    running.name = "microsoft word";
    EXPECT_FALSE(IsWordRunning());
    running.name = "Microsoft Word ";
    EXPECT_FALSE(IsWordRunning());
    // The running instance is only asked its name, never quit.
    for (const QString& l : running.log->lines()) EXPECT_EQ(l, "get Running.");
}

TEST_F(WordChecks, nothing_running_means_no_question) {
    ole::ScopedClass word{"Word.Application", factory(nullptr)};
    EXPECT_FALSE(IsWordRunning());
    EXPECT_FALSE(WarnIfWordRunning());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WordChecks, running_instance_asks_and_only_yes_goes_on) {
    RunningInstance running;
    ole::ScopedClass word{"Word.Application", factory(&running)};
    messages.answers = {MessageAnswer::Yes, MessageAnswer::No};
    EXPECT_FALSE(WarnIfWordRunning());
    EXPECT_TRUE(WarnIfWordRunning());
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
    EXPECT_TRUE(messages.shown[0].text.endsWith("\r\n\r\nWould you like to proceed anyway?"));
}

TEST_F(WordChecks, no_to_the_warning_creates_no_instance) {
    RunningInstance running;
    ole::ScopedClass word{"Word.Application", factory(&running)};
    messages.answers = {MessageAnswer::No};
    bool finished = false;
    GenerateResume(FakeResumeSource(), [&](GenerationRun&) { finished = true; });
    EXPECT_EQ(creations, 0);
    EXPECT_FALSE(finished);
    EXPECT_TRUE(created->calls.empty());
}

TEST_F(WordChecks, yes_to_the_warning_builds_and_finishes) {
    RunningInstance running;
    ole::ScopedClass word{"Word.Application", factory(&running)};
    messages.answers = {MessageAnswer::Yes};
    bool finished = false;
    GenerateResume(FakeResumeSource(), [&](GenerationRun& run) {
        finished = true;
        EXPECT_FALSE(run.document.isNull());
    });
    EXPECT_EQ(creations, 1);
    EXPECT_TRUE(finished);
}
