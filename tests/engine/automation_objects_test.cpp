// The late-bound objects: names, variant types, defaults, readable errors, document
// lifetime, the Word file hooks and the running-instance registration.
#include "tests/ole/error_of.h"
#include "engine/automation/application.h"
#include "engine/automation/services.h"
#include "engine/model/dump.h"
#include "wordgen/ole/registry.h"

#include <QHash>

#include <gtest/gtest.h>

#include "print_qstring.h"

using namespace ole;
using engine::automation::Services;
using engine::automation::services;

namespace {

using ole::testing::errorOf;

const QString kNoMember = QStringLiteral("Object doesn't support this property or method");
const QString kNoItem = QStringLiteral("The requested member of the collection does not exist.");

// Word files kept in memory as dump notation, so file round trips need no docx writer.
struct MemoryFiles {
    QHash<QString, QString> files;
    Services saved;
    MemoryFiles() : saved(services()) {
        services().save = [this](const engine::model::Document& d, const QString& path) {
            files[path] = engine::model::dump(d);
        };
        services().open = [this](const QString& path) {
            if (!files.contains(path)) throw std::runtime_error("The file was not found.");
            return engine::model::parseDocument(files[path]);
        };
    }
    ~MemoryFiles() { services() = saved; }
};

class Automation : public ::testing::Test {
protected:
    static void SetUpTestSuite() { engine::registerWordApplication(); }
    void SetUp() override {
        word = CreateObject(QStringLiteral("Word.Application"));
        doc = word.get(QStringLiteral("Documents")).call(QStringLiteral("Add")).toObject();
    }
    Object sel() const { return doc.get(QStringLiteral("ActiveWindow")).get(QStringLiteral("Selection")); }
    QString dumpDoc() const { return engine::model::dump(*engine::modelOf(doc.ptr())); }
    Object word, doc;
};

} // namespace

TEST_F(Automation, default_member_is_the_name_microsoft_word) {
    EXPECT_EQ(word.value(QString()).toString(), QStringLiteral("Microsoft Word"));
    EXPECT_EQ(word.value(QStringLiteral("Name")).type(), VarType::String);
}

TEST_F(Automation, inches_to_points_answers_single_precision_points) {
    const Value v = word.call(QStringLiteral("InchesToPoints"), {R8(0.25)});
    EXPECT_EQ(v.type(), VarType::R4);
    EXPECT_EQ(v.toDouble(), 18.0);
    EXPECT_EQ(word.call(QStringLiteral("InchesToPoints"), {I2(1)}).toDouble(), 72.0);
    EXPECT_EQ(errorOf([&] { word.call(QStringLiteral("InchesToPoints"), {Str(QStringLiteral("abc"))}); }),
              QStringLiteral("Type mismatch"));
}

TEST_F(Automation, display_alerts_takes_false_and_reads_back_none) {
    word.put(QStringLiteral("DisplayAlerts"), Bool(false));
    EXPECT_EQ(word.value(QStringLiteral("DisplayAlerts")).toInt(), 0);
}

TEST_F(Automation, unknown_members_and_bad_indexes_have_readable_errors) {
    EXPECT_EQ(errorOf([&] { word.call(QStringLiteral("Frobnicate")); }), kNoMember);
    EXPECT_EQ(errorOf([&] { sel().get(QStringLiteral("Font")).put(QStringLiteral("Sparkle"), I4(1)); }), kNoMember);
    EXPECT_EQ(errorOf([&] { word.get(QStringLiteral("Documents"), {I2(2)}); }), kNoItem);
    EXPECT_EQ(errorOf([&] { doc.get(QStringLiteral("Tables"), {I2(1)}); }), kNoItem);
    const Object lt = doc.get(QStringLiteral("ListTemplates")).call(QStringLiteral("Add"), {Bool(true), Str(QStringLiteral("x"))}).toObject();
    EXPECT_EQ(errorOf([&] { lt.get(QStringLiteral("ListLevels"), {I2(10)}); }), kNoItem);
    EXPECT_EQ(errorOf([&] { word.put(QStringLiteral("Name"), Str(QStringLiteral("x"))); }),
              QStringLiteral("Can't assign to read-only property"));
    EXPECT_EQ(errorOf([&] { sel().call(QStringLiteral("TypeText")); }), QStringLiteral("Argument not optional"));
    EXPECT_EQ(errorOf([&] { sel().get(QStringLiteral("Font")).put(QStringLiteral("Size"), I2(0)); }), QStringLiteral("Value out of range"));
    EXPECT_TRUE(errorOf([&] { sel().call(QStringLiteral("MoveRight"), {I4(77), I2(1)}); }).startsWith(QStringLiteral("Bad parameter")));
}

TEST_F(Automation, table_rows_columns_and_style_through_late_binding) {
    const Object table = word.get(QStringLiteral("ActiveDocument")).get(QStringLiteral("Tables"))
                             .call(QStringLiteral("Add"), {sel().value(QStringLiteral("Range")), I4(3), I2(3), I4(1), I4(0)}).toObject();
    EXPECT_EQ(table.value(QStringLiteral("Style")).toString(), QStringLiteral("Table Grid"));
    table.get(QStringLiteral("Columns"), {I2(1)}).put(QStringLiteral("Width"), I2(30));
    EXPECT_EQ(table.get(QStringLiteral("Columns"), {I2(1)}).value(QStringLiteral("Width")).toDouble(), 30.0);
    table.get(QStringLiteral("Rows"), {I2(2)}).put(QStringLiteral("Height"), I2(20));
    EXPECT_EQ(errorOf([&] { table.get(QStringLiteral("Rows"), {I2(4)}); }), kNoItem);
    EXPECT_EQ(errorOf([&] { table.get(QStringLiteral("Columns"), {I2(0)}); }), kNoItem);
    EXPECT_EQ(errorOf([&] { table.put(QStringLiteral("Style"), Str(QStringLiteral("No Such Style"))); }), kNoItem);
    table.put(QStringLiteral("Style"), Str(QStringLiteral("Table Normal")));
    table.put(QStringLiteral("ApplyStyleLastRow"), Bool(true));
    EXPECT_TRUE(table.value(QStringLiteral("ApplyStyleLastRow")).toBool());
    EXPECT_EQ(doc.get(QStringLiteral("Tables")).value(QStringLiteral("Count")).toInt(), 1);
    // The selection stands in the first cell; merging and typing there.
    sel().call(QStringLiteral("MoveRight"), {I4(1), I2(2), I4(1)});
    EXPECT_EQ(sel().get(QStringLiteral("Cells")).value(QStringLiteral("Count")).toInt(), 2);
    sel().get(QStringLiteral("Cells")).call(QStringLiteral("Merge"));
    EXPECT_EQ(errorOf([&] { table.get(QStringLiteral("Columns"), {I2(2)}).put(QStringLiteral("Width"), I2(50)); }),
              QStringLiteral("Cannot access individual columns in this collection because the table has mixed cell widths."));
    sel().get(QStringLiteral("Cells")).put(QStringLiteral("VerticalAlignment"), I4(1));
    EXPECT_EQ(sel().get(QStringLiteral("Cells")).value(QStringLiteral("VerticalAlignment")).toInt(), 1);
    EXPECT_EQ(errorOf([&] { sel().get(QStringLiteral("Cells")).put(QStringLiteral("VerticalAlignment"), I4(2)); }),
              QStringLiteral("Value out of range"));
    // Three columns share the page's text width; column 1 was narrowed to 30 pt.
    const auto& grid = std::get<engine::model::Table>(engine::modelOf(doc.ptr())->body[0]).grid;
    EXPECT_EQ(grid[0], 600);
    EXPECT_LE(std::abs(grid[1] - grid[2]), 1);
    EXPECT_TRUE(dumpDoc().startsWith(QStringLiteral("T{grid=600,%1,%2 look=hr,lr,fc,nvb}[R C{span=2 w=%3 va=c}(¶)")
                                         .arg(grid[1]).arg(grid[2]).arg(600 + grid[1])))
        << dumpDoc().toStdString();
}

TEST_F(Automation, font_values_read_as_word_gives_them) {
    sel().call(QStringLiteral("TypeText"), {Str(QStringLiteral("ab"))});
    sel().call(QStringLiteral("MoveLeft"), {I4(1), I2(1), I4(1)});
    const Object font = sel().get(QStringLiteral("Font"));
    font.put(QStringLiteral("Bold"), I4(9999998));
    EXPECT_EQ(font.value(QStringLiteral("Bold")).toInt(), -1);
    EXPECT_EQ(font.value(QStringLiteral("Size")).type(), VarType::R4);
    EXPECT_EQ(font.value(QStringLiteral("Size")).toDouble(), 11.0);
    EXPECT_EQ(font.value(QStringLiteral("Name")).toString(), QStringLiteral("Calibri"));
    sel().call(QStringLiteral("HomeKey"), {I4(6), I4(1)}); // both characters: bold and not
    EXPECT_EQ(font.value(QStringLiteral("Bold")).toInt(), 9999999);
    font.put(QStringLiteral("Bold"), I4(9999998)); // mixed toggles on
    EXPECT_EQ(font.value(QStringLiteral("Bold")).toInt(), -1);
    font.put(QStringLiteral("Size"), R8(10.3)); // half points, rounded
    EXPECT_EQ(font.value(QStringLiteral("Size")).toDouble(), 10.5);
    font.put(QStringLiteral("Color"), I4(0x0000FF)); // wdColorRed is BGR
    EXPECT_EQ(dumpDoc(), QStringLiteral("<sz=10.5 b color=FF0000>\"ab\"¶"));
    EXPECT_EQ(font.value(QStringLiteral("Color")).toInt(), 0x0000FF);
}

TEST_F(Automation, paragraph_format_rules_round_trip) {
    const Object pf = sel().get(QStringLiteral("ParagraphFormat"));
    EXPECT_EQ(pf.value(QStringLiteral("LineSpacingRule")).toInt(), 5); // Word 2016's 1.08 is "multiple"
    pf.put(QStringLiteral("LineSpacingRule"), I4(1));
    EXPECT_EQ(pf.value(QStringLiteral("LineSpacingRule")).toInt(), 1);
    EXPECT_EQ(pf.value(QStringLiteral("LineSpacing")).toDouble(), 18.0);
    pf.put(QStringLiteral("Alignment"), I4(2));
    EXPECT_EQ(pf.value(QStringLiteral("Alignment")).toInt(), 2);
    EXPECT_EQ(pf.value(QStringLiteral("SpaceAfter")).toDouble(), 8.0);
    EXPECT_EQ(errorOf([&] { pf.put(QStringLiteral("Alignment"), I4(9)); }), QStringLiteral("Value out of range"));
    EXPECT_EQ(dumpDoc(), QStringLiteral("P{al=r line=360}¶"));
}

TEST_F(Automation, list_template_from_another_document_is_refused) {
    const Object other = word.get(QStringLiteral("Documents")).call(QStringLiteral("Add")).toObject();
    const Object lt = other.get(QStringLiteral("ListTemplates")).call(QStringLiteral("Add"), {Bool(true), Str(QStringLiteral("x"))}).toObject();
    const Object range = doc.get(QStringLiteral("ActiveWindow")).get(QStringLiteral("Selection")).get(QStringLiteral("Range"));
    EXPECT_EQ(errorOf([&] {
                  range.get(QStringLiteral("ListFormat")).call(QStringLiteral("ApplyListTemplate"), {Value(lt.ptr()), Bool(false), I4(2), I4(2)});
              }),
              QStringLiteral("The list template does not belong to this document."));
    EXPECT_EQ(errorOf([&] {
                  other.get(QStringLiteral("Tables")).call(QStringLiteral("Add"), {Value(range.ptr()), I4(1), I2(1)});
              }),
              QStringLiteral("The range does not belong to this document."));
}

TEST_F(Automation, calls_on_a_closed_document_fail_readably) {
    const Object selection = sel();
    doc.call(QStringLiteral("Close"), {I2(0)});
    EXPECT_EQ(errorOf([&] { selection.call(QStringLiteral("TypeText"), {Str(QStringLiteral("x"))}); }),
              QStringLiteral("The object has been deleted: its document is closed."));
    EXPECT_EQ(errorOf([&] { doc.call(QStringLiteral("Close")); }), QStringLiteral("The object has been deleted: its document is closed."));
    EXPECT_EQ(errorOf([&] { word.get(QStringLiteral("Selection")); }),
              QStringLiteral("This command is not available because no document is open."));
    EXPECT_EQ(word.get(QStringLiteral("Documents")).value(QStringLiteral("Count")).toInt(), 0);
    EXPECT_EQ(engine::modelOf(doc.ptr()), nullptr);
}

TEST_F(Automation, quit_ends_the_instance_and_its_running_registration) {
    EXPECT_EQ(GetObject(QStringLiteral("Word.Application")).value(QString()).toString(), QStringLiteral("Microsoft Word"));
    word.call(QStringLiteral("Quit"));
    EXPECT_TRUE(errorOf([&] { word.get(QStringLiteral("Documents")); }).contains(QStringLiteral("has quit")));
    EXPECT_TRUE(errorOf([&] { doc.get(QStringLiteral("Tables")); }).contains(QStringLiteral("closed")));
    EXPECT_NE(errorOf([&] { GetObject(QStringLiteral("Word.Application")); }), QStringLiteral("(no error)"));
}

TEST_F(Automation, releasing_the_instance_ends_it_too) {
    doc.reset();
    word.reset();
    EXPECT_NE(errorOf([&] { GetObject(QStringLiteral("Word.Application")); }), QStringLiteral("(no error)"));
}

TEST_F(Automation, save_as_and_open_go_through_the_file_hooks) {
    MemoryFiles files;
    sel().call(QStringLiteral("TypeText"), {Str(QStringLiteral("kept"))});
    doc.call(QStringLiteral("SaveAs"), {Str(QStringLiteral("/tmp/x.doc"))});
    EXPECT_EQ(doc.value(QStringLiteral("Name")).toString(), QStringLiteral("x.doc"));
    doc.call(QStringLiteral("Close"));
    const Object opened = word.get(QStringLiteral("Documents")).call(QStringLiteral("Open"), {Str(QStringLiteral("/tmp/x.doc"))}).toObject();
    EXPECT_EQ(engine::model::dump(*engine::modelOf(opened.ptr())), QStringLiteral("\"kept\"¶"));
    EXPECT_EQ(word.get(QStringLiteral("ActiveDocument")).value(QStringLiteral("Name")).toString(), QStringLiteral("x.doc"));
    EXPECT_EQ(errorOf([&] { word.get(QStringLiteral("Documents")).call(QStringLiteral("Open"), {Str(QStringLiteral("/tmp/none.doc"))}); }),
              QStringLiteral("The file was not found."));
    EXPECT_EQ(errorOf([&] { opened.call(QStringLiteral("SaveAs"), {Str(QString())}); }), QStringLiteral("The file name is empty."));
}

TEST_F(Automation, missing_hooks_and_layout_calls_fail_readably) {
    const Services saved = services();
    services() = Services{};
    EXPECT_EQ(errorOf([&] { doc.call(QStringLiteral("SaveAs"), {Str(QStringLiteral("/tmp/y.doc"))}); }),
              QStringLiteral("Saving Word files is not available in this build."));
    EXPECT_TRUE(errorOf([&] { doc.value(QStringLiteral("BuiltInDocumentProperties"), {I2(14)}); }).contains(QStringLiteral("laid out")));
    EXPECT_TRUE(errorOf([&] { doc.get(QStringLiteral("Range")).call(QStringLiteral("CopyAsPicture")); }).contains(QStringLiteral("laid out")));
    EXPECT_TRUE(errorOf([&] { sel().call(QStringLiteral("GoTo"), {I2(1), I2(2), I2(2)}); }).contains(QStringLiteral("laid out")));
    doc.call(QStringLiteral("Repaginate"));
    services() = saved;
}

TEST_F(Automation, page_calls_use_the_layout_hooks_once_installed) {
    const Services saved = services();
    // A stand-in layout: every paragraph is a page.
    services().pageCount = [](const engine::model::Document& d) { return int(d.body.size()); };
    services().pageStart = [](const engine::model::Document& d, int page) { return engine::edit::firstPosIn(d, {}, page - 1); };
    services().pageOf = [](const engine::model::Document&, const engine::edit::Pos& p) { return p.path.front().block + 1; };
    sel().call(QStringLiteral("TypeText"), {Str(QStringLiteral("one\r\ntwo\r\nthree"))});
    const Value pages = doc.value(QStringLiteral("BuiltInDocumentProperties"), {I2(14)});
    EXPECT_EQ(Object(pages.toObject()).value(QString()).toInt(), 3);
    sel().call(QStringLiteral("HomeKey"), {I2(6)});
    sel().call(QStringLiteral("GoTo"), {I2(1), I2(2), I2(2)});
    sel().call(QStringLiteral("HomeKey"), {I2(6), I2(1)});
    sel().call(QStringLiteral("Delete"), {I2(1), I2(1)});
    EXPECT_EQ(dumpDoc(), QStringLiteral("\"two\"¶ \"three\"¶"));
    services() = saved;
}

TEST_F(Automation, move_up_with_no_lines_does_not_move) {
    sel().call(QStringLiteral("TypeText"), {Str(QStringLiteral("a\r\nb"))});
    EXPECT_EQ(sel().call(QStringLiteral("MoveUp"), {I4(5), I4(-1), I4(1)}).toInt(), 0);
    EXPECT_EQ(sel().call(QStringLiteral("MoveUp"), {I4(5), I4(0), I4(1)}).toInt(), 0);
    EXPECT_EQ(sel().value(QStringLiteral("Start")).toInt(), 3);
    EXPECT_EQ(sel().value(QStringLiteral("End")).toInt(), 3);
    EXPECT_EQ(sel().call(QStringLiteral("MoveUp"), {I4(5), I4(1), I4(1)}).toInt(), 1);
    EXPECT_EQ(sel().value(QStringLiteral("Text")).toString(), QStringLiteral("\rb")); // same column, one line up
}

TEST_F(Automation, closing_with_save_changes_saves_under_the_documents_name) {
    MemoryFiles files;
    EXPECT_EQ(errorOf([&] { doc.call(QStringLiteral("Close"), {I2(-1)}); }),
              QStringLiteral("Document1 has never been saved; use SaveAs first."));
    doc.call(QStringLiteral("SaveAs"), {Str(QStringLiteral("/tmp/z.doc"))});
    sel().call(QStringLiteral("TypeText"), {Str(QStringLiteral("later"))});
    doc.call(QStringLiteral("Close"), {I2(-1)});
    EXPECT_EQ(files.files.value(QStringLiteral("/tmp/z.doc")), QStringLiteral("\"later\"¶"));
    EXPECT_EQ(errorOf([&] { doc.call(QStringLiteral("Close"), {I2(5)}); }),
              QStringLiteral("The object has been deleted: its document is closed."));
}
