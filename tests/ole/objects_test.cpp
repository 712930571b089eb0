// Late-bound object handles, the ProgID registry and the recording stand-in.

#include "error_of.h"
#include "wordgen/ole/dispatch.h"
#include "wordgen/ole/recorder.h"
#include "wordgen/ole/registry.h"

#include <gtest/gtest.h>

using namespace ole;
using ole::testing::errorOf;
using ole::testing::Recorder;
using ole::testing::Recording;

namespace {
const QString kProgId = QStringLiteral("Quillory.TestClass");


ClassFactory recorderFactory(std::shared_ptr<Recording> log, QString root) {
    return ClassFactory{[log, root] { return std::make_shared<Recorder>(log, root); }, {}};
}
} // namespace

TEST(object_handle, empty_handle_refuses_every_call) {
    Object none;
    EXPECT_TRUE(none.isNull());
    EXPECT_EQ(errorOf([&] { none.call("Quit"); }), QStringLiteral("Object variable not set"));
    EXPECT_EQ(errorOf([&] { none.put("Size", I2(8)); }), QStringLiteral("Object variable not set"));
    EXPECT_EQ(errorOf([&] { (void)none.get("Font"); }), QStringLiteral("Object variable not set"));
}

TEST(object_handle, get_of_a_plain_value_is_object_required) {
    auto log = std::make_shared<Recording>();
    log->answer = [](const ole::testing::Call& c) -> std::optional<Value> {
        if (c.name == QLatin1String("Name"))
            return Str("Microsoft Word");
        return std::nullopt;
    };
    Object app(std::make_shared<Recorder>(log, "Application"));
    EXPECT_EQ(app.value("Name").toString(), QStringLiteral("Microsoft Word"));
    EXPECT_EQ(errorOf([&] { (void)app.get("Name"); }), QStringLiteral("Object required"));
}

TEST(registry, create_and_attach_fail_readably_for_unknown_class) {
    EXPECT_EQ(errorOf([] { (void)CreateObject("No.SuchClass"); }),
              QStringLiteral("ActiveX component can't create object"));
    EXPECT_EQ(errorOf([] { (void)GetObject("No.SuchClass"); }),
              QStringLiteral("ActiveX component can't create object"));
}

TEST(registry, progid_lookup_ignores_case) {
    auto log = std::make_shared<Recording>();
    ScopedClass cls(kProgId, recorderFactory(log, "Test"));
    Object o = CreateObject(kProgId.toUpper());
    o.call("Ping");
    EXPECT_EQ(log->lines(), QStringList{"call Test.Ping()"});
}

TEST(registry, attach_fails_when_no_instance_runs) {
    ScopedClass cls(kProgId,
                    ClassFactory{[] { return DispatchPtr(); }, [] { return DispatchPtr(); }});
    EXPECT_EQ(errorOf([] { (void)GetObject(kProgId); }),
              QStringLiteral("ActiveX component can't create object"));
    // A factory that answers null is a failure too, never an empty object.
    EXPECT_EQ(errorOf([] { (void)CreateObject(kProgId); }),
              QStringLiteral("ActiveX component can't create object"));
}

TEST(registry, attach_returns_the_running_instance) {
    auto log = std::make_shared<Recording>();
    auto running = std::make_shared<Recorder>(log, "Running");
    ScopedClass cls(kProgId, ClassFactory{{}, [running] { return DispatchPtr(running); }});
    EXPECT_EQ(GetObject(kProgId).ptr(), running);
    EXPECT_EQ(errorOf([] { (void)CreateObject(kProgId); }),
              QStringLiteral("ActiveX component can't create object"));
}

TEST(registry, factory_errors_pass_through_with_their_text) {
    ScopedClass cls(kProgId,
                    ClassFactory{[]() -> DispatchPtr { throw Error("Out of memory"); }, {}});
    EXPECT_EQ(errorOf([] { (void)CreateObject(kProgId); }), QStringLiteral("Out of memory"));
}

TEST(registry, register_replaces_and_returns_the_old_factory) {
    auto first = std::make_shared<Recording>();
    auto second = std::make_shared<Recording>();
    registerClass(kProgId, recorderFactory(first, "First"));
    const ClassFactory old = registerClass(kProgId, recorderFactory(second, "Second"));
    CreateObject(kProgId).call("A");
    ASSERT_TRUE(old.create);
    Object(old.create()).call("B");
    unregisterClass(kProgId);
    EXPECT_EQ(first->lines(), QStringList{"call First.B()"});
    EXPECT_EQ(second->lines(), QStringList{"call Second.A()"});
    EXPECT_THROW(CreateObject(kProgId), Error);
}

TEST(registry, scoped_class_restores_the_previous_factory) {
    auto outer = std::make_shared<Recording>();
    auto inner = std::make_shared<Recording>();
    ScopedClass a(kProgId, recorderFactory(outer, "Outer"));
    {
        ScopedClass b(kProgId, recorderFactory(inner, "Inner"));
        CreateObject(kProgId).call("X");
    }
    CreateObject(kProgId).call("Y");
    EXPECT_EQ(inner->lines(), QStringList{"call Inner.X()"});
    EXPECT_EQ(outer->lines(), QStringList{"call Outer.Y()"});
}

TEST(registry, scoped_class_removes_a_class_that_was_not_there) {
    {
        ScopedClass a(kProgId, recorderFactory(std::make_shared<Recording>(), "T"));
        EXPECT_NO_THROW(CreateObject(kProgId));
    }
    EXPECT_THROW(CreateObject(kProgId), Error);
}

TEST(recorder, logs_paths_and_argument_types) {
    auto log = std::make_shared<Recording>();
    Object word(std::make_shared<Recorder>(log, "Application"));
    Object sel = word.get("Selection");
    sel.call("MoveRight", {I4(1), I2(3), I4(1)});
    sel.get("Font").put("Size", I2(8));
    sel.get("Font").put("Name", Str("Tahoma"));
    Object table = word.get("ActiveDocument").get("Tables").call("Item", {I4(1)}).toObject();
    table.get("Columns", {I2(1)}).put("Width", I2(30));
    word.put("Item", {I4(2)}, Bool(false));
    EXPECT_EQ(log->lines(),
              (QStringList{
                  "get Application.Selection",
                  "call Application.Selection.MoveRight(I4 1, I2 3, I4 1)",
                  "get Application.Selection.Font",
                  "put Application.Selection.Font.Size = I2 8",
                  "get Application.Selection.Font",
                  "put Application.Selection.Font.Name = String \"Tahoma\"",
                  "get Application.ActiveDocument",
                  "get Application.ActiveDocument.Tables",
                  "call Application.ActiveDocument.Tables.Item(I4 1)",
                  "get Application.ActiveDocument.Tables.Item(1).Columns(I2 1)",
                  "put Application.ActiveDocument.Tables.Item(1).Columns(1).Width = I2 30",
                  "put Application.Item(I4 2) = Bool False",
              }));
    EXPECT_EQ(log->linesContaining("Font.").size(), 2);
}

TEST(recorder, fails_exactly_at_call_k_and_logs_it) {
    auto log = std::make_shared<Recording>();
    log->failAt = 3;
    log->failDescription = QStringLiteral("Word is busy");
    Object word(std::make_shared<Recorder>(log, "Application"));
    word.call("A");
    word.call("B");
    EXPECT_EQ(errorOf([&] { word.put("C", I2(1)); }), QStringLiteral("Word is busy"));
    EXPECT_NO_THROW(word.call("D")); // only the k-th call fails
    ASSERT_EQ(log->calls.size(), 4u);
    EXPECT_EQ(log->calls[2].toString(), QStringLiteral("put Application.C = I2 1"));
}

TEST(recorder, scripted_answers_replace_the_default_child) {
    auto log = std::make_shared<Recording>();
    log->answer = [](const ole::testing::Call& c) -> std::optional<Value> {
        if (c.name == QLatin1String("InchesToPoints"))
            return R4(c.args.at(0).toDouble() * 72);
        return std::nullopt;
    };
    Object word(std::make_shared<Recorder>(log, "Application"));
    EXPECT_EQ(word.call("InchesToPoints", {R8(0.25)}), R4(18));
    EXPECT_EQ(word.get("Documents").ptr()->className(), QStringLiteral("Application.Documents"));
}
