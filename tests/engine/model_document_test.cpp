// A new document's defaults, format inheritance, lists and change notifications.
#include "engine/model/dump.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace engine::model;

TEST(model_document, new_document_has_word_2016_defaults) {
    const Document d;
    ASSERT_EQ(d.body.size(), 1u);
    const Paragraph& p = std::get<Paragraph>(d.body[0]);
    const CharFormat c = d.effectiveCharFormat(p, {});
    EXPECT_EQ(c.fontName, QStringLiteral("Calibri"));
    EXPECT_EQ(c.halfPoints, 22);
    const ParaFormat f = d.effectiveParaFormat(p);
    EXPECT_EQ(f.spaceAfter, 160);
    EXPECT_EQ(f.lineSpacing, (LineSpacing{LineRule::Auto, 259}));
    ASSERT_NE(d.style(QStringLiteral("Table Normal")), nullptr);
    EXPECT_EQ(d.style(QStringLiteral("Table Normal"))->cellMarginLeft, 108);
    EXPECT_EQ(d.style(QStringLiteral("Table Normal"))->cellMarginRight, 108);
    EXPECT_EQ(d.page.marginLeft, 1440);
    EXPECT_EQ(d.page.marginTop, 1440);
}

TEST(model_document, page_size_follows_the_locale_measurement_system) {
    const QLocale old;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const bool imperial = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    QLocale::setDefault(old);
    const PageSetup p = PageSetup::forSystemLocale();
    EXPECT_EQ(p.width, imperial ? 12240 : 11906);
    EXPECT_EQ(p.height, imperial ? 15840 : 16838);
}

TEST(model_document, table_grid_style_removes_space_after_in_cells_and_direct_format_wins) {
    const Document d;
    Paragraph p;
    EXPECT_EQ(d.effectiveParaFormat(p, QStringLiteral("Table Grid")).spaceAfter, 0);
    EXPECT_EQ(d.effectiveParaFormat(p, QStringLiteral("Table Normal")).spaceAfter, 160);
    p.format.spaceAfter = 40;
    EXPECT_EQ(d.effectiveParaFormat(p, QStringLiteral("Table Grid")).spaceAfter, 40);
    const CharFormat direct = parseCharFormat(QStringLiteral("font=Tahoma b"));
    const CharFormat e = d.effectiveCharFormat(p, direct);
    EXPECT_EQ(e.fontName, QStringLiteral("Tahoma"));
    EXPECT_EQ(e.halfPoints, 22);
    EXPECT_EQ(e.bold, true);
}

TEST(model_document, style_cycle_does_not_hang) {
    Document d;
    Style a;
    a.name = QStringLiteral("A");
    a.basedOn = QStringLiteral("B");
    a.paragraph.spaceAfter = 1;
    Style b = a;
    b.name = QStringLiteral("B");
    b.basedOn = QStringLiteral("A");
    d.styles.push_back(a);
    d.styles.push_back(b);
    Paragraph p;
    p.style = QStringLiteral("A");
    EXPECT_EQ(d.effectiveParaFormat(p).spaceAfter, 1);
}

TEST(model_document, list_levels_resolve_through_instances) {
    Document d;
    d.listTemplates.push_back(ListTemplate::make(QStringLiteral("my list"), true));
    const int id = d.addList(0);
    const int second = d.addList(0);
    EXPECT_NE(id, second);
    ParaFormat f;
    f.list = ListMembership{id, 1};
    ASSERT_NE(d.listLevel(f), nullptr);
    EXPECT_EQ(d.listLevel(f)->numberFormat, QStringLiteral("%2)"));
    EXPECT_EQ(d.listLevel(f)->numberStyle, NumberStyle::LowercaseLetter);
    f.list = ListMembership{0, 0};
    EXPECT_EQ(d.listLevel(f), nullptr);
    f.list = ListMembership{99, 0};
    EXPECT_EQ(d.listLevel(f), nullptr);
}

TEST(model_document, new_templates_have_nine_levels_stepping_a_quarter_inch) {
    const ListTemplate t = ListTemplate::make(QStringLiteral("x"), false);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(t.levels[i].numberFormat, QStringLiteral("%%1.").arg(i + 1));
        EXPECT_EQ(t.levels[i].textPosition - t.levels[i].numberPosition, 360);
    }
}

TEST(model_document, observers_hear_changes_until_removed) {
    struct Log : DocumentObserver {
        std::vector<BlockChange> seen;
        void blocksChanged(const BlockChange& c) override { seen.push_back(c); }
    } log;
    Document d = parseDocument(QStringLiteral("\"a\"¶ \"b\"¶"));
    d.addObserver(&log);
    d.addObserver(&log); // once only
    d.notifyChanged({1, 1, 2});
    d.notifyAllChanged(5);
    d.removeObserver(&log);
    d.notifyChanged({0, 1, 1});
    ASSERT_EQ(log.seen.size(), 2u);
    EXPECT_EQ(log.seen[0], (BlockChange{1, 1, 2}));
    EXPECT_EQ(log.seen[1], (BlockChange{0, 5, 2}));
}

TEST(model_document, normalize_merges_equal_runs_and_drops_empty_ones) {
    Paragraph p = std::get<Paragraph>(parseBlocks(QStringLiteral("<b>\"a\" <b>\"\" <b>\"b\" \"c\"¶"))[0]);
    p.runs.insert(p.runs.begin() + 1, engine::model::Run{QString(), parseCharFormat(QStringLiteral("i"))});
    p.normalize();
    EXPECT_EQ(dump(p), QStringLiteral("<b>\"ab\"\"c\"¶"));
    EXPECT_EQ(p.formatAt(1).bold, true);
    EXPECT_EQ(p.formatAt(2).bold, std::nullopt);
}
