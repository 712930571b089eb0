// Pages: where rows and paragraphs break, the paragraph after a table, page sizes, which
// page a position is on, where a page starts, and re-layout limited to what an edit changed.
#include "engine/edit/selection.h"
#include "layout_support.h"

using namespace layout_test;
using engine::edit::Pos;
using engine::edit::Step;

namespace {
// A table of `rows` one-line rows (single spacing, 8 pt: 160 twips each), then a paragraph.
QString rowsTable(int rows, const QString& prefix = QStringLiteral("r")) {
    QString s = QStringLiteral("T{grid=4000}[");
    for (int i = 0; i < rows; ++i)
        s += QStringLiteral("R C(%1) ").arg(tahoma(prefix + QString::number(i), QStringLiteral("line=240 after=0")));
    return s + QStringLiteral("] ") + tahoma(QStringLiteral("end"), QStringLiteral("line=240 after=0"));
}
// Text height of a Letter page with 1-inch margins: 9 inches.
constexpr int kRoom = 12960;
} // namespace

TEST(layout_pages, letter_and_a4_pages_from_the_page_setup) {
    Document d = doc(QStringLiteral("¶"));
    DocumentLayout l(d);
    EXPECT_EQ(l.pageCount(), 1);
    EXPECT_EQ(l.pageSetup().width, 12240);
    d.page = PageSetup::a4();
    d.notifyAllChanged();
    EXPECT_EQ(l.pageSetup().height, 16838);
    EXPECT_EQ(l.pagination().slices.at(0).y, 1440);
}

TEST(layout_pages, rows_that_fit_stay_on_the_page_and_the_next_row_starts_a_new_one) {
    const int perPage = kRoom / 160; // 81 rows
    Document d = doc(rowsTable(perPage + 1));
    DocumentLayout l(d);
    ASSERT_EQ(l.pageCount(), 2);
    const Pagination& p = l.pagination();
    const PageSlice& last = p.slices.at(perPage - 1);
    EXPECT_EQ(last.page, 0);
    EXPECT_EQ(last.y + 160, 1440 + kRoom);
    EXPECT_EQ(p.slices.at(perPage).page, 1);
    EXPECT_EQ(p.slices.at(perPage).y, 1440);
    // Every slice of a row is the whole row.
    for (const PageSlice& s : p.slices) EXPECT_EQ(s.from, 0);
}

TEST(layout_pages, the_paragraph_after_a_full_table_goes_to_a_page_of_its_own) {
    Document d = doc(rowsTable(kRoom / 160));
    DocumentLayout l(d);
    EXPECT_EQ(l.pageCount(), 2);
    EXPECT_EQ(l.pagination().slices.back().page, 1);
    EXPECT_EQ(l.pagination().slices.back().row, -1);
}

TEST(layout_pages, a_row_taller_than_a_page_breaks_between_lines) {
    QString cell;
    for (int i = 0; i < 100; ++i) cell += tahoma(QStringLiteral("line %1").arg(i), QStringLiteral("line=240 after=0")) + QLatin1Char(' ');
    Document d = doc(QStringLiteral("T{grid=4000}[R C(%1) R C(%1)] ¶").arg(cell));
    DocumentLayout l(d);
    const Pagination& p = l.pagination();
    // 100 lines of 160 twips: 81 on the first page, 19 on the second; the next row does not
    // fit below them, so it starts a page of its own and breaks again.
    ASSERT_GE(p.slices.size(), 3u);
    EXPECT_EQ(p.slices[0].row, 0);
    EXPECT_EQ(p.slices[0].to, 81 * 160);
    EXPECT_EQ(p.slices[1].row, 0);
    EXPECT_EQ(p.slices[1].from, 81 * 160);
    EXPECT_EQ(p.slices[1].page, 1);
    for (const PageSlice& s : p.slices) {
        EXPECT_EQ(s.from % 160, 0) << "no line is cut";
        EXPECT_LE(s.y + (s.to - s.from), 1440 + kRoom);
    }
    EXPECT_EQ(p.slices[2].page, 2);
    EXPECT_EQ(p.slices[2].from, 0);
    EXPECT_EQ(l.pageCount(), 4);
}

TEST(layout_pages, a_paragraph_breaks_between_lines_keeping_two_together) {
    QString text;
    for (int i = 0; i < 1000; ++i) text += QStringLiteral("word ");
    // Push the paragraph down so that exactly one of its lines would fit on page 1.
    Document d = doc(QStringLiteral("P{line==12640 after=0}¶ ") + tahoma(text, QStringLiteral("line=240 after=0")));
    DocumentLayout l(d);
    const Pagination& p = l.pagination();
    // 12960 - 12640 = 320 leaves room for two lines; the paragraph's first two lines stay.
    ASSERT_GE(p.slices.size(), 3u);
    EXPECT_EQ(p.slices[1].page, 0);
    EXPECT_EQ(p.slices[1].to, 320);
    EXPECT_EQ(p.slices[2].page, 1);
    d = doc(QStringLiteral("P{line==12800 after=0}¶ ") + tahoma(text, QStringLiteral("line=240 after=0")));
    DocumentLayout orphan(d);
    // Room for one line only: the whole paragraph moves on.
    EXPECT_EQ(orphan.pagination().slices[1].page, 1);
    EXPECT_EQ(orphan.pagination().slices[1].from, 0);
}

TEST(layout_pages, positions_know_their_page_and_pages_their_start) {
    const int perPage = kRoom / 160;
    Document d = doc(rowsTable(2 * perPage + 5));
    DocumentLayout l(d);
    ASSERT_EQ(l.pageCount(), 3);
    const auto cell = [](int row) { return Pos{{Step{0, row, 0}, Step{0, -1, -1}}, 1}; };
    EXPECT_EQ(l.pageOf(cell(0)), 0);
    EXPECT_EQ(l.pageOf(cell(perPage - 1)), 0);
    EXPECT_EQ(l.pageOf(cell(perPage)), 1);
    EXPECT_EQ(l.pageOf(Pos{{Step{0, perPage, engine::edit::kRowEnd}}, 0}), 1);
    EXPECT_EQ(l.pageOf(Pos{{Step{1, -1, -1}}, 0}), 2);
    EXPECT_EQ(l.pageStart(0), (Pos{{Step{0, 0, 0}, Step{0, -1, -1}}, 0}));
    EXPECT_EQ(l.pageStart(1), (Pos{{Step{0, perPage, 0}, Step{0, -1, -1}}, 0}));
    EXPECT_EQ(l.pageStart(2), (Pos{{Step{0, 2 * perPage, 0}, Step{0, -1, -1}}, 0}));
    EXPECT_EQ(l.pageStart(99), l.pageStart(2)); // clamped to the last page
    EXPECT_EQ(l.pageOf(l.pageStart(1)), 1);
}

TEST(layout_pages, deleting_leading_rows_lays_out_nothing_again) {
    Document d = doc(rowsTable(300));
    DocumentLayout l(d);
    const int pages = l.pageCount();
    const long laid = l.counters().paragraphsLaidOut;
    EXPECT_EQ(laid, 301);
    auto& t = std::get<Table>(d.body[0]);
    t.rows.erase(t.rows.begin(), t.rows.begin() + 81);
    d.notifyChanged({0, 1, 1});
    EXPECT_EQ(l.pageCount(), pages - 1);
    EXPECT_EQ(l.counters().paragraphsLaidOut, laid);
    EXPECT_EQ(l.pagination().slices.front().row, 0);
}

TEST(layout_pages, an_edit_in_one_cell_lays_out_only_that_paragraph) {
    Document d = doc(rowsTable(50));
    DocumentLayout l(d);
    l.update();
    const long laid = l.counters().paragraphsLaidOut;
    auto& t = std::get<Table>(d.body[0]);
    std::get<Paragraph>(t.rows[20].cells[0].blocks[0]).runs[0].text += QStringLiteral(" more");
    d.notifyChanged({0, 1, 1});
    l.update();
    EXPECT_EQ(l.counters().paragraphsLaidOut, laid + 1);
    EXPECT_EQ(l.counters().rowsLaidOut, 50 + 1);
}

TEST(layout_pages, style_or_page_changes_lay_everything_out_again) {
    Document d = doc(rowsTable(10));
    DocumentLayout l(d);
    l.update();
    const long laid = l.counters().paragraphsLaidOut;
    d.page.marginLeft = 720; // wider cells? no: cells keep the grid, but the context changed
    l.update();
    EXPECT_EQ(l.counters().paragraphsLaidOut, 2 * laid);
}

TEST(layout_pages, a_new_list_keeps_what_was_laid_out_but_a_changed_one_does_not) {
    // Each bulleted skill starts a list of its own; adding one must not lay the whole
    // document out again, or long skill lists take quadratic time.
    Document d = doc(rowsTable(10));
    d.listTemplates.push_back(engine::model::ListTemplate{});
    DocumentLayout l(d);
    l.update();
    const long laid = l.counters().paragraphsLaidOut;
    d.addList(0);
    d.listTemplates.push_back(engine::model::ListTemplate{});
    l.update();
    EXPECT_EQ(l.counters().paragraphsLaidOut, laid);
    d.listTemplates.front().name = QStringLiteral("changed");
    l.update();
    EXPECT_EQ(l.counters().paragraphsLaidOut, 2 * laid);
}

TEST(layout_pages, an_edit_nobody_announced_is_still_seen_by_block_count) {
    Document d = doc(rowsTable(3));
    DocumentLayout l(d);
    EXPECT_EQ(l.pageCount(), 1);
    d.body.insert(d.body.begin(), Block(Paragraph{}));
    EXPECT_EQ(l.body().size(), d.body.size());
}

TEST(layout_pages, the_layout_follows_the_selection_typing) {
    Document d = doc(QStringLiteral("¶"));
    DocumentLayout l(d);
    engine::edit::Selection s(d);
    EXPECT_EQ(l.pageCount(), 1);
    QString many;
    for (int i = 0; i < 80; ++i) many += QStringLiteral("line\r\n");
    s.typeText(many);
    EXPECT_EQ(l.pageCount(), 3); // 81 paragraphs of 450 twips
    EXPECT_EQ(l.pageOf(s.active()), 2);
}
