#include "wordgen/ResumeGenerator.h"

#include "wordgen/WordChecks.h"
#include "wordgen/ole/registry.h"

#include <algorithm>

namespace quillory {

using ole::Bool;
using ole::I2;
using ole::I4;
using ole::Object;

namespace {

// Word's enumeration values (passed as 32-bit integers).
constexpr int32_t wdCharacter = 1;
constexpr int32_t wdLine = 5;
constexpr int32_t wdCell = 12;
constexpr int32_t wdExtend = 1;
constexpr int32_t wdToggle = 9999998;
constexpr int32_t wdUndefined = 9999999;
constexpr int32_t wdCellAlignVerticalCenter = 1;
constexpr int32_t wdAlignParagraphLeft = 0;
constexpr int32_t wdAlignParagraphRight = 2;
constexpr int32_t wdLineSpace1pt5 = 1;
constexpr int32_t wdNumberParagraph = 1;
constexpr int32_t wdWord9TableBehavior = 1;
constexpr int32_t wdAutoFitFixed = 0;
constexpr int32_t wdTrailingTab = 0;
constexpr int32_t wdListNumberStyleBullet = 23;
constexpr int32_t wdListLevelAlignLeft = 0;
constexpr int32_t wdListApplyToThisPointForward = 2;
constexpr int32_t wdWord10ListBehavior = 2;

// The bullet: character 0xA7 of Wingdings, in the symbol-font range.
constexpr char16_t kSquareBullet = 0xF0A7;

const QString kTahoma = QStringLiteral("Tahoma");

// The flags of a list level's font that are set to "undefined", in this order.
const char* const kListFontFlags[] = {"Bold",    "Italic",   "Strikethrough", "Subscript",
                                      "Superscript", "Shadow", "Outline",     "Emboss",
                                      "Engrave", "AllCaps",  "Hidden",        "Underline",
                                      "Color",   "Size",     "Animation",     "DoubleStrikeThrough"};

QString S(const char* s) { return QString::fromLatin1(s); }

// Numbered steps of the recurring groups of calls. Each group starts at `line` and takes
// the following even numbers.
void font8(GenerationRun& run, int line) {
    run.trap(line, [&] { run.selection().get(S("Font")).put(S("Size"), I2(8)); });
    run.trap(line + 2, [&] { run.selection().get(S("Font")).put(S("Name"), kTahoma); });
}

// Extends the selection over `cells` cells of the row, from an empty cell.
void extendOverCells(GenerationRun& run, int line, int16_t cells) {
    run.trap(line, [&] {
        run.selection().call(S("MoveRight"), {I4(wdCharacter), I2(cells), I4(wdExtend)});
    });
}

void mergeCells(GenerationRun& run, int line) {
    run.trap(line, [&] { run.selection().get(S("Cells")).call(S("Merge")); });
}

void selectCellsAndMerge(GenerationRun& run, int line, int16_t cells) {
    extendOverCells(run, line, cells);
    font8(run, line + 2);
    mergeCells(run, line + 6);
}

void selectRow(GenerationRun& run, int line) { selectCellsAndMerge(run, line, 3); }
void selectCells23(GenerationRun& run, int line) { selectCellsAndMerge(run, line, 2); }

void moveCells(GenerationRun& run, int line, int16_t count) {
    run.trap(line, [&] { run.selection().call(S("MoveRight"), {I4(wdCell), I2(count)}); });
}

void typeText(GenerationRun& run, int line, const std::function<QString()>& text) {
    run.trap(line, [&] { run.selection().call(S("TypeText"), {text()}); });
}

void centreVertically(GenerationRun& run, int line) {
    run.trap(line, [&] {
        run.selection().get(S("Cells")).put(S("VerticalAlignment"), I4(wdCellAlignVerticalCenter));
    });
}

void setAlignment(GenerationRun& run, int line, int32_t alignment) {
    run.trap(line, [&] {
        run.selection().get(S("ParagraphFormat")).put(S("Alignment"), I4(alignment));
    });
}

void toggleFont(GenerationRun& run, int line, const char* flag) {
    run.trap(line, [&] { run.selection().get(S("Font")).put(S(flag), I4(wdToggle)); });
}

void typeParagraph(GenerationRun& run, int line) {
    run.trap(line, [&] { run.selection().call(S("TypeParagraph")); });
}

void heading(GenerationRun& run, int line, const char* text) {
    moveCells(run, line, 1);
    selectRow(run, line + 2);
    typeText(run, line + 10, [&] { return S(text); });
    centreVertically(run, line + 12);
}

void buildTable(GenerationRun& run, const ResumeSource& source) {
    run.trap(106, [&] {
        const Object sel = run.selection();
        run.table = run.word.get(S("ActiveDocument"))
                        .get(S("Tables"))
                        .call(S("Add"), {sel.value(S("Range")), I4(tableRowCount(source.workHistoryRowCount())), I2(3),
                                         I4(wdWord9TableBehavior), I4(wdAutoFitFixed)})
                        .toObject();
    });
    run.trap.line(108);
    const auto width = [&](int line, int16_t column, int16_t points) {
        run.trap(line, [&] { run.table.get(S("Columns"), {I2(column)}).put(S("Width"), I2(points)); });
    };
    const auto height = [&](int line, int16_t row, int16_t points) {
        run.trap(line, [&] { run.table.get(S("Rows"), {I2(row)}).put(S("Height"), I2(points)); });
    };
    width(110, 1, 30);
    width(112, 2, 200);
    width(114, 3, 200);
    height(116, 1, 50);
    height(118, 2, 20);
    height(120, 4, 20);
    run.trap(122, [&] { run.table.put(S("Style"), QStringLiteral("Table Normal")); });
    const char* flags[] = {"ApplyStyleHeadingRows", "ApplyStyleLastRow", "ApplyStyleFirstColumn",
                           "ApplyStyleLastColumn"};
    int line = 124;
    for (const char* flag : flags) {
        run.trap(line, [&] { run.table.put(S(flag), Bool(true)); });
        line += 2;
    }
}

void typeHeader(GenerationRun& run, const ResumeSource& source) {
    extendOverCells(run, 132, 3);
    mergeCells(run, 134);
    font8(run, 136);
    typeText(run, 140, [&] {
        const auto f = [&](ResumeField field) { return source.fieldText(field); };
        const QString crlf = QStringLiteral("\r\n");
        return f(ResumeField::YourName) + crlf + f(ResumeField::StreetAddress) +
               QStringLiteral(", ") + f(ResumeField::City) + QStringLiteral(" ") +
               f(ResumeField::ZipCode) + crlf + f(ResumeField::Phone) + crlf +
               f(ResumeField::Email);
    });
}

void createBulletTemplate(GenerationRun& run) {
    run.trap(156, [&] {
        run.listTemplate = run.document.get(S("ListTemplates"))
                               .call(S("Add"), {Bool(true), QStringLiteral("my list")})
                               .toObject();
    });
    Object level;
    run.trap(158, [&] { level = run.listTemplate.get(S("ListLevels"), {I2(1)}); });
    const auto points = [&](double inches) {
        return run.word.call(S("InchesToPoints"), {ole::R8(inches)});
    };
    run.trap(162, [&] { level.put(S("NumberFormat"), QString(QChar(kSquareBullet))); });
    run.trap(164, [&] { level.put(S("TrailingCharacter"), I4(wdTrailingTab)); });
    run.trap(166, [&] { level.put(S("NumberStyle"), I4(wdListNumberStyleBullet)); });
    run.trap(168, [&] { level.put(S("NumberPosition"), points(0.25)); });
    run.trap(170, [&] { level.put(S("Alignment"), I4(wdListLevelAlignLeft)); });
    run.trap(172, [&] { level.put(S("TextPosition"), points(0.5)); });
    run.trap(174, [&] { level.put(S("TabPosition"), points(0.5)); });
    run.trap(176, [&] { level.put(S("ResetOnHigher"), I2(0)); });
    run.trap(178, [&] { level.put(S("StartAt"), I2(1)); });
    Object font;
    run.trap(180, [&] { font = level.get(S("Font")); });
    int line = 182;
    for (const char* flag : kListFontFlags) {
        run.trap(line, [&] { font.put(S(flag), I4(wdUndefined)); });
        line += 2;
    }
    run.trap(214, [&] { font.put(S("Name"), QStringLiteral("Wingdings")); });
    run.trap(216, [&] { level.put(S("LinkedStyle"), QString()); });
}

void typeSkills(GenerationRun& run, const ResumeSource& source) {
    heading(run, 142, "SKILLS/ABILITIES");
    createBulletTemplate(run);

    moveCells(run, 218, 2);
    extendOverCells(run, 220, 2);
    mergeCells(run, 222);
    font8(run, 224);
    run.trap(228, [&] { run.selection().call(S("MoveLeft"), {I4(wdCharacter), I2(1)}); });
    run.trap(230, [&] {
        run.selection().get(S("ParagraphFormat")).put(S("LineSpacingRule"), I4(wdLineSpace1pt5));
    });

    int16_t m = 0;
    run.trap(232, [&] { m = static_cast<int16_t>(source.skillRowCount()); });
    run.trap.line(234);
    for (int16_t i = 1; i <= m; ++i) {
        toggleFont(run, 236, "Bold");
        if (run.trap.test(238, [&] { return i > 1; })) typeParagraph(run, 240);
        typeText(run, 242, [&] { return source.skillRow(i - 1).skill; });
        if (run.trap.test(244, [&] { return i > 1; })) {
            run.trap(246, [&] {
                run.selection().get(S("Range")).get(S("ListFormat"))
                    .call(S("RemoveNumbers"), {I4(wdNumberParagraph)});
            });
            run.trap(248, [&] { run.selection().get(S("Paragraphs")).call(S("Outdent")); });
        }
        toggleFont(run, 250, "Bold");
        typeParagraph(run, 252);
        typeText(run, 254, [&] { return source.skillRow(i - 1).description; });
        int u = 0;
        run.trap(256, [&] { u = abilityLineBreaks(source.skillRow(i - 1).description); });
        // The upward widening is made for the first skill too when its abilities span
        // several lines, so every line of them gets its bullet.
        if (run.trap.test(258, [&] { return i > 1 || u > 0; })) {
            run.trap(260, [&] {
                run.selection().call(S("MoveUp"), {I4(wdLine), I4(u), I4(wdExtend)});
            });
        }
        run.trap(262, [&] { run.selection().call(S("HomeKey"), {I4(wdLine), I4(wdExtend)}); });
        run.trap(264, [&] {
            run.selection().get(S("Range")).get(S("ListFormat"))
                .call(S("ApplyListTemplate"),
                      {ole::Value(run.listTemplate.ptr()), Bool(false),
                       I4(wdListApplyToThisPointForward), I4(wdWord10ListBehavior)});
        });
        run.trap(266, [&] { run.selection().call(S("MoveRight"), {I4(wdCharacter), I2(1)}); });
    }
}

// One titled entry: title bold in cell 2, dates right-aligned in cell 3, and below them
// the place in italics followed by ", " and its city across cells 2 and 3.
struct EntryTexts {
    std::function<QString()> title, dates, place, city;
};

void typeEntry(GenerationRun& run, int line, const EntryTexts& t) {
    moveCells(run, line, 2);
    font8(run, line + 2);
    run.trap(line + 6, [&] { run.selection().get(S("Font")).put(S("Bold"), Bool(true)); });
    typeText(run, line + 8, t.title);
    centreVertically(run, line + 10);
    moveCells(run, line + 12, 1);
    font8(run, line + 14);
    typeText(run, line + 18, t.dates);
    centreVertically(run, line + 20);
    setAlignment(run, line + 22, wdAlignParagraphRight);
    moveCells(run, line + 24, 2);
    selectCells23(run, line + 26);
    toggleFont(run, line + 34, "Italic");
    setAlignment(run, line + 36, wdAlignParagraphLeft);
    typeText(run, line + 38, t.place);
    toggleFont(run, line + 40, "Italic");
    typeText(run, line + 42, [&] { return QStringLiteral(", ") + t.city(); });
    centreVertically(run, line + 44);
    typeParagraph(run, line + 46);
}

void typeWorkHistory(GenerationRun& run, const ResumeSource& source) {
    heading(run, 270, "WORK HISTORY");
    int16_t n = 0;
    run.trap(284, [&] { n = static_cast<int16_t>(source.workHistoryRowCount()); });
    run.trap.line(286);
    int16_t i = 1;
    for (; i <= n; ++i) {
        const auto row = [&] { return source.workHistoryRow(i - 1); };
        typeEntry(run, 288, {[&] { return row().jobTitle; }, [&] { return row().dateOfEmployment; },
                             [&] { return row().companyName; }, [&] { return row().cityState; }});
    }
    // The loop variable after the loop is n + 1, so this is row n + 7.
    run.trap(338, [&] {
        run.table.get(S("Rows"), {I2(static_cast<int16_t>(i + 6))}).put(S("Height"), I2(20));
    });
}

void typeEducation(GenerationRun& run, const ResumeSource& source) {
    heading(run, 340, "EDUCATION");
    const auto f = [&](ResumeField field) { return [&source, field] { return source.fieldText(field); }; };
    typeEntry(run, 354, {f(ResumeField::DegreeObtained), f(ResumeField::DateOfAttendance),
                         f(ResumeField::SchoolName), f(ResumeField::SchoolCity)});
}

} // namespace

Object GenerationRun::selection() const {
    return document.get(S("ActiveWindow")).get(S("Selection"));
}

int tableRowCount(int workEntries) {
    return std::max(workEntries + 8, 2 * workEntries + 7);
}

int abilityLineBreaks(const QString& abilities) {
    if (abilities.isEmpty()) return -1;
    return static_cast<int>(abilities.count(QStringLiteral("\r\n")));
}

bool BuildResumeDocument(GenerationRun& run, const ResumeSource& source) {
    if (run.trap.test(100, [] { return WarnIfWordRunning(); })) return false;
    run.trap(102, [&] { run.word = ole::CreateObject(S("Word.Application")); });
    run.trap(104, [&] { run.document = run.word.get(S("Documents")).call(S("Add")).toObject(); });
    buildTable(run, source);
    typeHeader(run, source);
    typeSkills(run, source);
    typeWorkHistory(run, source);
    typeEducation(run, source);
    return true;
}

void GenerateResume(const ResumeSource& source, const FinishGeneration& finish) {
    GenerationRun run;
    if (!BuildResumeDocument(run, source)) return;
    if (finish) finish(run);
}

} // namespace quillory
