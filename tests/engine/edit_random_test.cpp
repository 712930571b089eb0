// Random sequences of selection calls on a document with tables: nothing may crash, and the
// tree keeps its invariants (a body and every cell end with a paragraph, every row has a
// cell, no two tables touch, the selection stays valid, offsets and positions agree).
#include "edit_support.h"

#include "engine/edit/error.h"
#include "engine/edit/lists.h"
#include "engine/edit/tables.h"

#include <random>

using namespace edit_test;

namespace {

void checkBlocks(const std::vector<Block>& blocks, int depth) {
    ASSERT_FALSE(blocks.empty());
    ASSERT_TRUE(isParagraph(blocks.back())) << depth;
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (!isTable(blocks[i])) continue;
        ASSERT_TRUE(i + 1 < blocks.size() && isParagraph(blocks[i + 1]));
        const Table& t = std::get<Table>(blocks[i]);
        ASSERT_FALSE(t.rows.empty());
        for (const Row& r : t.rows) {
            ASSERT_FALSE(r.cells.empty());
            for (const Cell& c : r.cells) checkBlocks(c.blocks, depth + 1);
        }
    }
}

} // namespace

TEST(edit_random, random_calls_keep_the_tree_sound) {
    std::mt19937 rng(20240531);
    for (int round = 0; round < 100; ++round) {
        Document d = doc("\"intro\"¶ T[R C(\"a\"¶) C(\"bc\"¶ \"d\"¶) C(¶) R C{span=2}(¶) C(\"e\"¶)] \"mid\"¶ "
                         "T[R C(¶) R C(\"f\"¶)] ¶");
        d.listTemplates.push_back(ListTemplate::make(QStringLiteral("l"), true));
        Selection s(d);
        const auto pick = [&](int n) { return int(rng() % unsigned(n)); };
        for (int step = 0; step < 150; ++step) {
            const int len = storyLength(d);
            const int op = pick(14);
            SCOPED_TRACE(QStringLiteral("round %1 step %2 op %3: %4").arg(round).arg(step).arg(op).arg(dump(d, {.formats = false})).toStdString());
            try {
                switch (op) {
                case 0: place(s, pick(len), pick(len)); break;
                case 1: s.moveRight(Unit::Character, pick(7) - 2, pick(2)); break;
                case 2: s.moveLeft(Unit::Character, pick(5), pick(2)); break;
                case 3: s.moveRight(Unit::Cell, pick(3) + 1, pick(4) == 0); break;
                case 4: s.typeText(QStringLiteral("x\r\ny\vz").left(pick(7))); break;
                case 5: s.typeParagraph(); break;
                case 6: s.deleteForward(Unit::Character, pick(4)); break;
                case 7: s.mergeCells(); break;
                case 8: s.moveUp(Unit::Line, pick(4) - 1, pick(2)); break;
                case 9: s.moveDown(Unit::Line, pick(4) - 1, pick(2)); break;
                case 10: pick(2) ? s.homeKey(Unit::Story, pick(2)) : s.endKey(Unit::Line, pick(2)); break;
                case 11: applyListTemplate(d, s.extent(), 0, pick(2)); break;
                case 12: {
                    CharFormat f;
                    f.bold = pick(2) == 0;
                    s.applyFont(f);
                    break;
                }
                case 13: s.setInsertionPoint(insertTable(d, s.extent().start, pick(3) + 1, pick(3) + 1, TableBehavior::Word9)); break;
                }
            } catch (const EditError&) {
                // refused edits are fine; crashes and broken trees are not
            }
            checkBlocks(d.body, 0);
            if (::testing::Test::HasFatalFailure() || ::testing::Test::HasNonfatalFailure()) return;
            ASSERT_TRUE(isValid(d, s.anchor())) << round << ":" << step;
            ASSERT_TRUE(isValid(d, s.active())) << round << ":" << step;
            const int offset = toOffset(d, s.active());
            ASSERT_EQ(fromOffset(d, offset), s.active()) << round << ":" << step;
            ASSERT_LE(offset, storyLength(d) - 1);
        }
    }
}
