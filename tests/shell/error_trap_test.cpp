#include "shell/core/Error.h"
#include "shell/core/ErrorTrap.h"
#include "tests/shell/RecordingMessages.h"

#include "tests/shell/QtPrinters.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using namespace quillory;
using quillory::testing::CapturedMessages;

namespace {
const QString kSupport = QStringLiteral("Please email screenshot of this message to support@marrowby.example");
}

TEST(error_message, is_description_location_line_and_support_request) {
    EXPECT_EQ(errorMessageText(QStringLiteral("Disk full"), QStringLiteral("Form1.PushButton1_Click"), 106),
              QStringLiteral("Disk full\r\nin Quillory2021/08/31.Form1.PushButton1_Click at line 106\r\r") +
                  kSupport);
}

TEST(error_message, empty_description_gives_an_empty_first_line) {
    const QString text = errorMessageText(QString(), QStringLiteral("Form2.RedrawImage"), 100);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[0], QString());
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("in ")));
}

TEST(error_trap, reports_a_failing_step_in_a_warning_box_and_goes_on) {
    CapturedMessages messages;
    ErrorTrap trap{QStringLiteral("Form1.Form_Load")};
    std::vector<int> ran;
    trap(100, [&] { throw Error(QStringLiteral("The skin cannot be loaded")); });
    trap(104, [&] { ran.push_back(104); });

    ASSERT_EQ(messages.shown().size(), 1);
    const MessageRequest& box = messages.shown()[0];
    EXPECT_EQ(box.title, QStringLiteral("Application Error"));
    EXPECT_EQ(box.icon, MessageIcon::Warning);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_EQ(box.text, QStringLiteral("The skin cannot be loaded\r\nin Quillory2021/08/31.Form1.Form_Load at line 100\r\r") + kSupport);
    EXPECT_EQ(ran, std::vector<int>{104});
    EXPECT_EQ(trap.failures(), 1);
}

TEST(error_trap, two_failing_steps_give_two_boxes_in_order) {
    CapturedMessages messages;
    ErrorTrap trap{QStringLiteral("Form1.PushButton6_Click")};
    trap(100, [] { throw std::runtime_error("first"); });
    trap(102, [] {});
    trap(104, [] { throw std::runtime_error("second"); });
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_TRUE(messages.shown()[0].text.startsWith(QStringLiteral("first\r\n")));
    EXPECT_TRUE(messages.shown()[0].text.contains(QStringLiteral(" at line 100\r\r")));
    EXPECT_TRUE(messages.shown()[1].text.startsWith(QStringLiteral("second\r\n")));
    EXPECT_TRUE(messages.shown()[1].text.contains(QStringLiteral(" at line 104\r\r")));
}

TEST(error_trap, a_failing_branch_test_enters_the_branch) {
    CapturedMessages messages;
    ErrorTrap trap{QStringLiteral("Form1.Form_Load")};
    bool entered = false;
    if (trap.test(106, []() -> bool { throw std::runtime_error("cannot tell"); }))
        trap(108, [&] { entered = true; });
    EXPECT_TRUE(entered);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown()[0].text.contains(QStringLiteral("at line 106")));
}

TEST(error_trap, a_test_that_holds_or_not_decides_without_a_box) {
    CapturedMessages messages;
    ErrorTrap trap{QStringLiteral("X.Y")};
    EXPECT_TRUE(trap.test(100, [] { return true; }));
    EXPECT_FALSE(trap.test(102, [] { return false; }));
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST(error_trap, in_a_loop_resumes_with_the_next_step_of_the_same_pass) {
    CapturedMessages messages;
    ErrorTrap trap{QStringLiteral("Form1.Form_Load")};
    QStringList log;
    for (int pass = 0; pass < 3; ++pass) {
        trap(152, [&] {
            if (pass == 1)
                throw std::runtime_error("bad row");
            log << QStringLiteral("a%1").arg(pass);
        });
        trap(154, [&] { log << QStringLiteral("b%1").arg(pass); });
    }
    EXPECT_EQ(log, (QStringList{"a0", "b0", "b1", "a2", "b2"}));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown()[0].text.contains(QStringLiteral("at line 152")));
}

TEST(error_trap, reports_the_line_of_the_call_for_a_failure_deep_inside_it) {
    CapturedMessages messages;
    ErrorTrap trap{QStringLiteral("Resume.GenerateResume")};
    auto inner = [] { throw Error(QStringLiteral("Word could not do it")); };
    auto outer = [&] { inner(); };
    trap(230, outer);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].text.section(QStringLiteral("\r\n"), 0, 0), QStringLiteral("Word could not do it"));
    EXPECT_TRUE(messages.shown()[0].text.contains(QStringLiteral("Resume.GenerateResume at line 230")));
}

TEST(error_trap, failures_without_a_description_of_their_own_get_a_readable_one) {
    CapturedMessages messages;
    ErrorTrap trap{QStringLiteral("X.Y")};
    trap(100, [] { throw 42; });
    trap(102, [] { throw std::bad_alloc(); });
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_TRUE(messages.shown()[0].text.startsWith(QStringLiteral("Unexpected failure\r\n")));
    EXPECT_TRUE(messages.shown()[1].text.startsWith(QStringLiteral("Out of memory\r\n")));
}

TEST(error_trap, unicode_descriptions_reach_the_box_unchanged) {
    CapturedMessages messages;
    ErrorTrap trap{QStringLiteral("X.Y")};
    const QString description = QStringLiteral("Fichier « résumé » 履歴書 שגיאה 🙂");
    trap(100, [&] { throw Error(description); });
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown()[0].text.startsWith(description + QStringLiteral("\r\n")));
}

TEST(messages, ask_without_a_title_uses_the_application_title_and_returns_the_answer) {
    CapturedMessages messages;
    messages.recorder.answers << MessageAnswer::Yes;
    EXPECT_EQ(ask(QStringLiteral("Proceed?"), MessageButtons::YesNo, MessageIcon::None), MessageAnswer::Yes);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].title, QStringLiteral("Quillory"));
    EXPECT_EQ(messages.shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::None);
}

TEST(messages, a_scoped_recorder_restores_the_previous_one) {
    CapturedMessages outer;
    {
        CapturedMessages inner;
        inform(QStringLiteral("inner"));
        EXPECT_EQ(inner.shown().size(), 1);
    }
    inform(QStringLiteral("outer"), MessageIcon::None, QStringLiteral("Own title"));
    ASSERT_EQ(outer.shown().size(), 1);
    EXPECT_EQ(outer.shown()[0].text, QStringLiteral("outer"));
    EXPECT_EQ(outer.shown()[0].title, QStringLiteral("Own title"));
}
