#pragma once

#include <algorithm>
// The résumé generator's exact sequence of late-bound calls (table, header, skills, work
// history, education), replayed on whatever "Word.Application" is registered. Used by the
// engine's replay tests and benchmarks to check the engine against its one real caller.
// Like the generator, every call is guarded: a failing call is recorded and the next one
// runs. Includes the decided mend: the upward widening is made for the first skill too when
// its abilities span several lines.

#include "wordgen/ole/registry.h"

#include <QStringList>

#include <array>
#include <functional>
#include <vector>

namespace resume_calls {

using ole::Bool;
using ole::I2;
using ole::I4;
using ole::Object;

struct WorkEntry {
    QString dates, company, city, title;
};
struct SkillEntry {
    QString skill, abilities;
};
struct ResumeData {
    QString name, street, city, zip, phone, email;
    std::vector<WorkEntry> work;
    std::vector<SkillEntry> skills;
    QString degree, attendance, school, schoolCity;
};

struct Built {
    Object word;
    Object document;
    QStringList errors; // "<step>: <description>" of every failed call
};

inline Built buildResume(const ResumeData& r) {
    Built b;
    int step = 0;
    const auto trap = [&](int line, const std::function<void()>& call) {
        step = line;
        try {
            call();
        } catch (const ole::Error& e) {
            b.errors << QStringLiteral("%1: %2").arg(step).arg(e.description());
        }
    };
    const auto sel = [&] { return b.document.get(QStringLiteral("ActiveWindow")).get(QStringLiteral("Selection")); };
    const auto font8 = [&](int line) {
        trap(line, [&] { sel().get(QStringLiteral("Font")).put(QStringLiteral("Size"), I2(8)); });
        trap(line + 2, [&] { sel().get(QStringLiteral("Font")).put(QStringLiteral("Name"), QStringLiteral("Tahoma")); });
    };
    const auto moveRight = [&](int line, int unit, int count) {
        trap(line, [&] { sel().call(QStringLiteral("MoveRight"), {I4(unit), I2(int16_t(count))}); });
    };
    const auto selectCells = [&](int line, int count) { // "select row" (3) and "select cells 2–3" (2)
        trap(line, [&] { sel().call(QStringLiteral("MoveRight"), {I4(1), I2(int16_t(count)), I4(1)}); });
        font8(line + 2);
        trap(line + 6, [&] { sel().get(QStringLiteral("Cells")).call(QStringLiteral("Merge")); });
    };
    const auto type = [&](int line, const QString& text) {
        trap(line, [&] { sel().call(QStringLiteral("TypeText"), {text}); });
    };
    const auto centre = [&](int line) {
        trap(line, [&] { sel().get(QStringLiteral("Cells")).put(QStringLiteral("VerticalAlignment"), I4(1)); });
    };
    const auto align = [&](int line, int a) {
        trap(line, [&] { sel().get(QStringLiteral("ParagraphFormat")).put(QStringLiteral("Alignment"), I4(a)); });
    };
    const auto toggle = [&](int line, const char* flag) {
        trap(line, [&] { sel().get(QStringLiteral("Font")).put(QLatin1String(flag), I4(9999998)); });
    };
    const auto typeParagraph = [&](int line) { trap(line, [&] { sel().call(QStringLiteral("TypeParagraph")); }); };

    trap(102, [&] { b.word = ole::CreateObject(QStringLiteral("Word.Application")); });
    trap(104, [&] { b.document = b.word.get(QStringLiteral("Documents")).call(QStringLiteral("Add")).toObject(); });
    const int n = int(r.work.size());
    Object table;
    trap(106, [&] {
        table = b.word.get(QStringLiteral("ActiveDocument"))
                    .get(QStringLiteral("Tables"))
                    .call(QStringLiteral("Add"), {sel().value(QStringLiteral("Range")), I4(std::max(n + 8, 2 * n + 7)), I2(3), I4(1), I4(0)})
                    .toObject();
    });
    const int16_t widths[] = {30, 200, 200};
    for (int16_t c = 1; c <= 3; ++c)
        trap(108 + 2 * c, [&] { table.get(QStringLiteral("Columns"), {I2(c)}).put(QStringLiteral("Width"), I2(widths[c - 1])); });
    trap(116, [&] { table.get(QStringLiteral("Rows"), {I2(1)}).put(QStringLiteral("Height"), I2(50)); });
    trap(118, [&] { table.get(QStringLiteral("Rows"), {I2(2)}).put(QStringLiteral("Height"), I2(20)); });
    trap(120, [&] { table.get(QStringLiteral("Rows"), {I2(4)}).put(QStringLiteral("Height"), I2(20)); });
    trap(122, [&] { table.put(QStringLiteral("Style"), QStringLiteral("Table Normal")); });
    const char* looks[] = {"ApplyStyleHeadingRows", "ApplyStyleLastRow", "ApplyStyleFirstColumn", "ApplyStyleLastColumn"};
    for (int k = 0; k < 4; ++k) trap(124 + 2 * k, [&] { table.put(QLatin1String(looks[k]), Bool(true)); });

    // Header.
    trap(132, [&] { sel().call(QStringLiteral("MoveRight"), {I4(1), I2(3), I4(1)}); });
    trap(134, [&] { sel().get(QStringLiteral("Cells")).call(QStringLiteral("Merge")); });
    font8(136);
    type(140, r.name + QStringLiteral("\r\n") + r.street + QStringLiteral(", ") + r.city + QLatin1Char(' ') + r.zip +
                  QStringLiteral("\r\n") + r.phone + QStringLiteral("\r\n") + r.email);

    // Skills heading and the bullet template.
    moveRight(142, 12, 1);
    selectCells(144, 3);
    type(152, QStringLiteral("SKILLS/ABILITIES"));
    centre(154);
    Object listTemplate;
    trap(156, [&] {
        listTemplate = b.document.get(QStringLiteral("ListTemplates"))
                           .call(QStringLiteral("Add"), {Bool(true), QStringLiteral("my list")})
                           .toObject();
    });
    Object level;
    trap(158, [&] { level = listTemplate.get(QStringLiteral("ListLevels"), {I2(1)}); });
    const auto points = [&](double inches) { return b.word.call(QStringLiteral("InchesToPoints"), {ole::R8(inches)}); };
    trap(162, [&] { level.put(QStringLiteral("NumberFormat"), QString(QChar(0xF0A7))); });
    trap(164, [&] { level.put(QStringLiteral("TrailingCharacter"), I4(0)); });
    trap(166, [&] { level.put(QStringLiteral("NumberStyle"), I4(23)); });
    trap(168, [&] { level.put(QStringLiteral("NumberPosition"), points(0.25)); });
    trap(170, [&] { level.put(QStringLiteral("Alignment"), I4(0)); });
    trap(172, [&] { level.put(QStringLiteral("TextPosition"), points(0.5)); });
    trap(174, [&] { level.put(QStringLiteral("TabPosition"), points(0.5)); });
    trap(176, [&] { level.put(QStringLiteral("ResetOnHigher"), I2(0)); });
    trap(178, [&] { level.put(QStringLiteral("StartAt"), I2(1)); });
    Object font;
    trap(180, [&] { font = level.get(QStringLiteral("Font")); });
    const char* flags[] = {"Bold", "Italic", "Strikethrough", "Subscript", "Superscript", "Shadow", "Outline", "Emboss",
                           "Engrave", "AllCaps", "Hidden", "Underline", "Color", "Size", "Animation", "DoubleStrikeThrough"};
    for (int k = 0; k < 16; ++k) trap(182 + 2 * k, [&] { font.put(QLatin1String(flags[k]), I4(9999999)); });
    trap(214, [&] { font.put(QStringLiteral("Name"), QStringLiteral("Wingdings")); });
    trap(216, [&] { level.put(QStringLiteral("LinkedStyle"), QString()); });

    // Skills cell.
    moveRight(218, 12, 2);
    trap(220, [&] { sel().call(QStringLiteral("MoveRight"), {I4(1), I2(2), I4(1)}); });
    trap(222, [&] { sel().get(QStringLiteral("Cells")).call(QStringLiteral("Merge")); });
    font8(224);
    trap(228, [&] { sel().call(QStringLiteral("MoveLeft"), {I4(1), I2(1)}); });
    trap(230, [&] { sel().get(QStringLiteral("ParagraphFormat")).put(QStringLiteral("LineSpacingRule"), I4(1)); });
    const int m = int(r.skills.size());
    for (int i = 1; i <= m; ++i) {
        const SkillEntry& s = r.skills[i - 1];
        toggle(236, "Bold");
        if (i > 1) typeParagraph(240);
        type(242, s.skill);
        if (i > 1) {
            trap(246, [&] {
                sel().get(QStringLiteral("Range")).get(QStringLiteral("ListFormat")).call(QStringLiteral("RemoveNumbers"), {I4(1)});
            });
            trap(248, [&] { sel().get(QStringLiteral("Paragraphs")).call(QStringLiteral("Outdent")); });
        }
        toggle(250, "Bold");
        typeParagraph(252);
        type(254, s.abilities);
        const int u = s.abilities.isEmpty() ? -1 : int(s.abilities.count(QStringLiteral("\r\n")));
        if (i > 1 || u > 0) trap(260, [&] { sel().call(QStringLiteral("MoveUp"), {I4(5), I4(u), I4(1)}); });
        trap(262, [&] { sel().call(QStringLiteral("HomeKey"), {I4(5), I4(1)}); });
        trap(264, [&] {
            sel().get(QStringLiteral("Range")).get(QStringLiteral("ListFormat")).call(QStringLiteral("ApplyListTemplate"),
                {ole::Value(listTemplate.ptr()), Bool(false), I4(2), I4(2)});
        });
        trap(266, [&] { sel().call(QStringLiteral("MoveRight"), {I4(1), I2(1)}); });
    }

    // Work history.
    moveRight(270, 12, 1);
    selectCells(272, 3);
    type(280, QStringLiteral("WORK HISTORY"));
    centre(282);
    const auto entry = [&](int line, const QString& title, const QString& dates, const QString& place, const QString& city) {
        moveRight(line, 12, 2);
        font8(line + 2);
        trap(line + 6, [&] { sel().get(QStringLiteral("Font")).put(QStringLiteral("Bold"), Bool(true)); });
        type(line + 8, title);
        centre(line + 10);
        moveRight(line + 12, 12, 1);
        font8(line + 14);
        type(line + 18, dates);
        centre(line + 20);
        align(line + 22, 2);
        moveRight(line + 24, 12, 2);
        selectCells(line + 26, 2);
        toggle(line + 34, "Italic");
        align(line + 36, 0);
        type(line + 38, place);
        toggle(line + 40, "Italic");
        type(line + 42, QStringLiteral(", ") + city);
        centre(line + 44);
        typeParagraph(line + 46);
    };
    for (const WorkEntry& w : r.work) entry(288, w.title, w.dates, w.company, w.city);
    trap(338, [&] { table.get(QStringLiteral("Rows"), {I2(int16_t(n + 7))}).put(QStringLiteral("Height"), I2(20)); });

    // Education.
    moveRight(340, 12, 1);
    selectCells(342, 3);
    type(350, QStringLiteral("EDUCATION"));
    centre(352);
    entry(354, r.degree, r.attendance, r.school, r.schoolCity);
    return b;
}

inline WorkEntry sampleWork(int k) {
    return {QStringLiteral("20%1 - 20%2").arg(10 + k).arg(11 + k), QStringLiteral("Company %1").arg(k),
            QStringLiteral("City %1").arg(k), QStringLiteral("Title %1").arg(k)};
}

/// A complete résumé with `n` work entries and `m` skills of three ability lines each.
inline ResumeData sample(int n, int m) {
    ResumeData r{QStringLiteral("Alex Morrow"), QStringLiteral("12 Elm Street"), QStringLiteral("Springfield"),
                 QStringLiteral("12345"), QStringLiteral("555-0100"), QStringLiteral("alex@example.com"), {}, {},
                 QStringLiteral("B.Sc. Computing"), QStringLiteral("2006 - 2010"), QStringLiteral("State University"),
                 QStringLiteral("Capital City")};
    for (int k = 1; k <= n; ++k) r.work.push_back(sampleWork(k));
    for (int k = 1; k <= m; ++k)
        r.skills.push_back({QStringLiteral("Skill %1").arg(k),
                            QStringLiteral("Ability %1a\r\nAbility %1b\r\nAbility %1c").arg(k)});
    return r;
}

} // namespace resume_calls
