// Selection, Range, Font, ParagraphFormat, Paragraphs, ListFormat and Cells.
#include "engine/automation/objects.h"
#include "engine/automation/services.h"
#include "engine/edit/editing.h"
#include "engine/edit/lists.h"

#include <cmath>

namespace engine::automation {

using model::CharFormat;
using model::ParaFormat;

namespace {

constexpr int kAutoColorBgr = -16777216; // wdColorAutomatic

TextTarget selectionTarget() { return TextTarget{}; }

} // namespace

edit::Unit unitArg(const ole::Args& a, size_t i, edit::Unit fallback) {
    if (!given(a, i)) return fallback;
    const int u = a[i].toInt();
    switch (u) {
    case 1: return edit::Unit::Character;
    case 4: return edit::Unit::Paragraph;
    case 5: return edit::Unit::Line;
    case 6: return edit::Unit::Story;
    case 10: return edit::Unit::Row;
    case 12: return edit::Unit::Cell;
    default: throw ole::Error(QStringLiteral("Bad parameter: unit %1 is not supported here.").arg(u));
    }
}

edit::Extent RangeObject::extent() const {
    const model::Document& d = state().doc;
    return edit::extentOf(d, edit::sanitized(d, start), edit::sanitized(d, end));
}

// ---- Font (shared by the text font and a list level's font) ---------------------------------

namespace {

template <class T> void addFontMembers(MemberTable<T>& t) {
    struct Flag {
        const char* name;
        std::optional<bool> CharFormat::*member;
    };
    static const Flag flags[] = {
        {"bold", &CharFormat::bold},         {"italic", &CharFormat::italic},
        {"strikethrough", &CharFormat::strike}, {"doublestrikethrough", &CharFormat::doubleStrike},
        {"subscript", &CharFormat::subscript}, {"superscript", &CharFormat::superscript},
        {"shadow", &CharFormat::shadow},     {"outline", &CharFormat::outline},
        {"emboss", &CharFormat::emboss},     {"engrave", &CharFormat::engrave},
        {"allcaps", &CharFormat::allCaps},   {"hidden", &CharFormat::hidden},
    };
    for (const Flag& f : flags) {
        const auto member = f.member;
        t[QLatin1String(f.name)] = {
            [member](T& self, const ole::Args&) {
                const std::optional<bool> v = self.readFont().*member;
                return ole::I4(v ? (*v ? -1 : 0) : kUndefined);
            },
            [member](T& self, const ole::Args&, const ole::Value& v) {
                if (isWordConstant(v, kUndefined)) {
                    self.writeFont([member](CharFormat& c) { (c.*member).reset(); });
                    return;
                }
                const bool on = isWordConstant(v, kToggle) ? !(self.readFont().*member).value_or(false) : v.toBool();
                self.writeFont([member, on](CharFormat& c) { c.*member = on; });
            }};
    }
    t[QStringLiteral("name")] = {
        [](T& self, const ole::Args&) { return ole::Value(self.readFont().fontName.value_or(QString())); },
        [](T& self, const ole::Args&, const ole::Value& v) {
            const QString name = v.toString().trimmed();
            if (name.isEmpty()) throw outOfRange();
            self.writeFont([name](CharFormat& c) { c.fontName = name; });
        }};
    t[QStringLiteral("size")] = {
        [](T& self, const ole::Args&) {
            const std::optional<int> hp = self.readFont().halfPoints;
            return hp ? ole::R4(float(*hp / 2.0)) : ole::R4(float(kUndefined));
        },
        [](T& self, const ole::Args&, const ole::Value& v) {
            if (isWordConstant(v, kUndefined)) {
                self.writeFont([](CharFormat& c) { c.halfPoints.reset(); });
                return;
            }
            const double pt = v.toDouble();
            if (!std::isfinite(pt) || pt < 1 || pt > 1638) throw outOfRange();
            const int hp = int(std::nearbyint(pt * 2)); // Word keeps sizes in half points
            self.writeFont([hp](CharFormat& c) { c.halfPoints = hp; });
        }};
    t[QStringLiteral("underline")] = {
        [](T& self, const ole::Args&) {
            const auto u = self.readFont().underline;
            return ole::I4(u ? int(*u) : kUndefined);
        },
        [](T& self, const ole::Args&, const ole::Value& v) {
            if (isWordConstant(v, kUndefined)) {
                self.writeFont([](CharFormat& c) { c.underline.reset(); });
                return;
            }
            int u = 0;
            if (isWordConstant(v, kToggle)) {
                const auto now = self.readFont().underline.value_or(model::Underline::None);
                u = now == model::Underline::None ? 1 : 0;
            } else {
                u = v.type() == ole::VarType::Bool ? (v.toBool() ? 1 : 0) : v.toInt();
            }
            if (u < 0 || u > 27) throw outOfRange();
            self.writeFont([u](CharFormat& c) { c.underline = model::Underline(u); });
        }};
    t[QStringLiteral("color")] = {
        [](T& self, const ole::Args&) {
            const auto c = self.readFont().color;
            if (!c) return ole::I4(kUndefined);
            if (*c == model::kAutoColor) return ole::I4(kAutoColorBgr);
            return ole::I4(int32_t(((*c & 0xFF) << 16) | (*c & 0xFF00) | ((*c >> 16) & 0xFF)));
        },
        [](T& self, const ole::Args&, const ole::Value& v) {
            if (isWordConstant(v, kUndefined)) {
                self.writeFont([](CharFormat& c) { c.color.reset(); });
                return;
            }
            const int32_t bgr = v.toInt();
            if (bgr != kAutoColorBgr && (bgr < 0 || bgr > 0xFFFFFF)) throw outOfRange();
            const uint32_t rgb = bgr == kAutoColorBgr
                                     ? model::kAutoColor
                                     : uint32_t(((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF));
            self.writeFont([rgb](CharFormat& c) { c.color = rgb; });
        }};
    t[QStringLiteral("animation")] = {
        [](T& self, const ole::Args&) { return ole::I4(self.readFont().animation.value_or(kUndefined)); },
        [](T& self, const ole::Args&, const ole::Value& v) {
            if (isWordConstant(v, kUndefined)) {
                self.writeFont([](CharFormat& c) { c.animation.reset(); });
                return;
            }
            const int a = v.toInt();
            if (a < 0 || a > 6) throw outOfRange();
            self.writeFont([a](CharFormat& c) { c.animation = a; });
        }};
}

} // namespace

CharFormat FontObject::readFont() const {
    return withSelection([](edit::Selection& s) { return s.font(); });
}

void FontObject::writeFont(const std::function<void(CharFormat&)>& change) const {
    CharFormat delta;
    change(delta);
    if (delta.isEmpty()) return;
    withSelection([&](edit::Selection& s) {
        s.applyFont(delta);
        return 0;
    });
}

const MemberTable<FontObject>& FontObject::members() {
    static const MemberTable<FontObject> table = [] {
        MemberTable<FontObject> t;
        addFontMembers(t);
        return t;
    }();
    return table;
}

const MemberTable<ListLevelFontObject>& ListLevelFontObject::members() {
    static const MemberTable<ListLevelFontObject> table = [] {
        MemberTable<ListLevelFontObject> t;
        addFontMembers(t);
        return t;
    }();
    return table;
}

// ---- ParagraphFormat ---------------------------------------------------------------------

namespace {

using model::LineRule;
using model::LineSpacing;

int lineSpacingRule(const LineSpacing& l) {
    switch (l.rule) {
    case LineRule::AtLeast: return 3;
    case LineRule::Exact: return 4;
    case LineRule::Auto: break;
    }
    return l.value == 240 ? 0 : l.value == 360 ? 1 : l.value == 480 ? 2 : 5;
}

LineSpacing withRule(int rule, const std::optional<LineSpacing>& now) {
    const LineSpacing current = now.value_or(LineSpacing{});
    switch (rule) {
    case 0: return {LineRule::Auto, 240};
    case 1: return {LineRule::Auto, 360};
    case 2: return {LineRule::Auto, 480};
    case 3: return {LineRule::AtLeast, current.rule == LineRule::Auto ? 240 : current.value};
    case 4: return {LineRule::Exact, current.rule == LineRule::Auto ? 240 : current.value};
    case 5: return {LineRule::Auto, current.rule == LineRule::Auto ? current.value : 240};
    default: throw outOfRange();
    }
}

ParaFormat readPara(const ParagraphFormatObject& p) {
    return p.withSelection([](edit::Selection& s) { return s.paragraphFormat(); });
}

void writePara(const ParagraphFormatObject& p, const ParaFormat& delta) {
    p.withSelection([&](edit::Selection& s) {
        s.applyParagraphFormat(delta);
        return 0;
    });
}

Member<ParagraphFormatObject> lengthMember(std::optional<int> ParaFormat::*m, double minPt, double maxPt) {
    return {[m](ParagraphFormatObject& self, const ole::Args&) {
                const std::optional<int> v = readPara(self).*m;
                return v ? twipsToPoints(*v) : ole::R4(float(kUndefined));
            },
            [m, minPt, maxPt](ParagraphFormatObject& self, const ole::Args&, const ole::Value& v) {
                ParaFormat delta;
                delta.*m = pointsToTwips(v, minPt, maxPt);
                writePara(self, delta);
            }};
}

} // namespace

const MemberTable<ParagraphFormatObject>& ParagraphFormatObject::members() {
    using P = ParagraphFormatObject;
    static const MemberTable<P> table = [] {
        MemberTable<P> t;
        t[QStringLiteral("alignment")] = {
            [](P& self, const ole::Args&) {
                const auto a = readPara(self).alignment;
                return ole::I4(a ? int(*a) : kUndefined);
            },
            [](P& self, const ole::Args&, const ole::Value& v) {
                const int a = v.toInt();
                if (a < 0 || a > 3) throw outOfRange();
                ParaFormat delta;
                delta.alignment = model::Alignment(a);
                writePara(self, delta);
            }};
        t[QStringLiteral("linespacingrule")] = {
            [](P& self, const ole::Args&) {
                const auto l = readPara(self).lineSpacing;
                return ole::I4(l ? lineSpacingRule(*l) : kUndefined);
            },
            [](P& self, const ole::Args&, const ole::Value& v) {
                ParaFormat delta;
                delta.lineSpacing = withRule(v.toInt(), readPara(self).lineSpacing);
                writePara(self, delta);
            }};
        t[QStringLiteral("linespacing")] = {
            [](P& self, const ole::Args&) {
                const auto l = readPara(self).lineSpacing;
                if (!l) return ole::R4(float(kUndefined));
                // Auto spacing is in 240ths of a line, shown as points of a 12-point line.
                return l->rule == LineRule::Auto ? ole::R4(float(l->value / 20.0)) : twipsToPoints(l->value);
            },
            [](P& self, const ole::Args&, const ole::Value& v) {
                const LineSpacing now = readPara(self).lineSpacing.value_or(LineSpacing{});
                ParaFormat delta;
                delta.lineSpacing = LineSpacing{now.rule, pointsToTwips(v, 0.7, 1584)};
                writePara(self, delta);
            }};
        t[QStringLiteral("spaceafter")] = lengthMember(&ParaFormat::spaceAfter, 0, 1584);
        t[QStringLiteral("spacebefore")] = lengthMember(&ParaFormat::spaceBefore, 0, 1584);
        t[QStringLiteral("leftindent")] = lengthMember(&ParaFormat::leftIndent, -1584, 1584);
        t[QStringLiteral("rightindent")] = lengthMember(&ParaFormat::rightIndent, -1584, 1584);
        t[QStringLiteral("firstlineindent")] = lengthMember(&ParaFormat::firstLineIndent, -1584, 1584);
        return t;
    }();
    return table;
}

// ---- Paragraphs, ListFormat, Cells ---------------------------------------------------------

const MemberTable<ParagraphsObject>& ParagraphsObject::members() {
    using P = ParagraphsObject;
    static const MemberTable<P> table = [] {
        MemberTable<P> t;
        t[QStringLiteral("outdent")] = {[](P& self, const ole::Args&) {
            edit::outdent(self.state().doc, self.extent());
            return ole::Value();
        }, {}};
        t[QStringLiteral("indent")] = {[](P& self, const ole::Args&) {
            edit::indent(self.state().doc, self.extent());
            return ole::Value();
        }, {}};
        t[QStringLiteral("count")] = {[](P& self, const ole::Args&) {
            int n = 0;
            edit::forEachParagraph(self.state().doc, self.extent(), [&](const edit::ParagraphPiece&) { ++n; });
            return ole::I4(n);
        }, {}};
        return t;
    }();
    return table;
}

const MemberTable<ListFormatObject>& ListFormatObject::members() {
    using L = ListFormatObject;
    static const MemberTable<L> table = [] {
        MemberTable<L> t;
        t[QStringLiteral("applylisttemplate")] = {[](L& self, const ole::Args& args) {
            const auto tmpl = std::dynamic_pointer_cast<ListTemplateObject>(required(args, 0).toObject());
            if (!tmpl || tmpl->docPtr() != self.docPtr())
                throw ole::Error(QStringLiteral("The list template does not belong to this document."));
            tmpl->checkAlive();
            // ApplyTo (arg 2) and DefaultListBehavior (arg 3) are accepted: the template is
            // applied to the paragraphs of the range in every case.
            const int applyTo = intArg(args, 2, 0);
            if (applyTo < 0 || applyTo > 2) throw outOfRange();
            edit::applyListTemplate(self.state().doc, self.extent(), tmpl->templateIndex, boolArg(args, 1, true));
            return ole::Value();
        }, {}};
        t[QStringLiteral("removenumbers")] = {[](L& self, const ole::Args&) {
            edit::removeNumbers(self.state().doc, self.extent());
            return ole::Value();
        }, {}};
        t[QStringLiteral("listlevelnumber")] = {[](L& self, const ole::Args&) {
            const ParaFormat f = self.withSelection([](edit::Selection& s) { return s.paragraphFormat(); });
            return ole::I4(f.list && f.list->listId != 0 ? f.list->level + 1 : 0);
        }, {}};
        return t;
    }();
    return table;
}

const MemberTable<CellsObject>& CellsObject::members() {
    using C = CellsObject;
    static const MemberTable<C> table = [] {
        MemberTable<C> t;
        t[QStringLiteral("merge")] = {[](C& self, const ole::Args&) {
            self.state().selection.mergeCells();
            return ole::Value();
        }, {}};
        t[QStringLiteral("count")] = {[](C& self, const ole::Args&) {
            return ole::I4(int(self.state().selection.cells().size()));
        }, {}};
        t[QStringLiteral("verticalalignment")] = {
            [](C& self, const ole::Args&) {
                const std::vector<edit::CellRef> cells = self.state().selection.cells();
                if (cells.empty()) throw ole::Error(QStringLiteral("The selection is not in a table."));
                std::optional<int> common;
                for (const edit::CellRef& c : cells) {
                    const int a = int(edit::tableAt(self.state().doc, c.tablePath, int(c.tablePath.size()) - 1)
                                          .rows[c.row].cells[c.cell].format.verticalAlignment);
                    if (common && *common != a) return ole::I4(kUndefined);
                    common = a;
                }
                return ole::I4(*common);
            },
            [](C& self, const ole::Args&, const ole::Value& v) {
                const int a = v.toInt();
                if (a != 0 && a != 1 && a != 3) throw outOfRange();
                self.state().selection.setCellsVerticalAlignment(model::VerticalAlignment(a));
            }};
        return t;
    }();
    return table;
}

// ---- Selection and Range -------------------------------------------------------------------

namespace {

ole::Value rangeOf(const DocPtr& d, const edit::Extent& e) { return object<RangeObject>(d, e.start, e.end); }

int goToPage(DocState& d, const ole::Args& args) {
    const int what = intArg(args, 0, 1);
    if (what != 1) throw ole::Error(QStringLiteral("Bad parameter: GoTo supports pages (What = 1) only."));
    const Services& s = services();
    if (!s.pageStart || !s.pageOf || !s.pageCount)
        throw ole::Error(QStringLiteral("Going to a page is not available before the document is laid out "
                                        "(this build has no page layout)."));
    const int which = intArg(args, 1, 1);
    const int count = std::max(1, intArg(args, 2, 1));
    const int current = s.pageOf(d.doc, d.selection.active());
    const int pages = s.pageCount(d.doc);
    int page = current;
    switch (which) {
    case 1: page = given(args, 3) ? arg(args, 3).toInt() : count; break; // wdGoToFirst / absolute
    case -1: page = pages; break;                                         // wdGoToLast
    case 2: page = current + 1; break;                                    // wdGoToNext
    case 3: page = current - 1; break;                                    // wdGoToPrevious
    default: throw outOfRange();
    }
    page = std::clamp(page, 1, std::max(1, pages));
    d.selection.setInsertionPoint(s.pageStart(d.doc, page));
    return page;
}

} // namespace

const MemberTable<SelectionObject>& SelectionObject::members() {
    using S = SelectionObject;
    using edit::Unit;
    static const MemberTable<S> table = [] {
        MemberTable<S> t;
        t[QStringLiteral("typetext")] = {[](S& self, const ole::Args& args) {
            self.state().selection.typeText(required(args, 0).toString());
            return ole::Value();
        }, {}};
        t[QStringLiteral("typeparagraph")] = {[](S& self, const ole::Args&) {
            self.state().selection.typeParagraph();
            return ole::Value();
        }, {}};
        t[QStringLiteral("moveright")] = {[](S& self, const ole::Args& a) {
            return ole::I4(self.state().selection.moveRight(unitArg(a, 0, Unit::Character), intArg(a, 1, 1), intArg(a, 2, 0) == 1));
        }, {}};
        t[QStringLiteral("moveleft")] = {[](S& self, const ole::Args& a) {
            return ole::I4(self.state().selection.moveLeft(unitArg(a, 0, Unit::Character), intArg(a, 1, 1), intArg(a, 2, 0) == 1));
        }, {}};
        t[QStringLiteral("moveup")] = {[](S& self, const ole::Args& a) {
            return ole::I4(self.state().selection.moveUp(unitArg(a, 0, Unit::Line), intArg(a, 1, 1), intArg(a, 2, 0) == 1));
        }, {}};
        t[QStringLiteral("movedown")] = {[](S& self, const ole::Args& a) {
            return ole::I4(self.state().selection.moveDown(unitArg(a, 0, Unit::Line), intArg(a, 1, 1), intArg(a, 2, 0) == 1));
        }, {}};
        t[QStringLiteral("homekey")] = {[](S& self, const ole::Args& a) {
            return ole::I4(self.state().selection.homeKey(unitArg(a, 0, Unit::Line), intArg(a, 1, 0) == 1));
        }, {}};
        t[QStringLiteral("endkey")] = {[](S& self, const ole::Args& a) {
            return ole::I4(self.state().selection.endKey(unitArg(a, 0, Unit::Line), intArg(a, 1, 0) == 1));
        }, {}};
        t[QStringLiteral("delete")] = {[](S& self, const ole::Args& a) {
            return ole::I4(self.state().selection.deleteForward(unitArg(a, 0, Unit::Character), intArg(a, 1, 1)));
        }, {}};
        t[QStringLiteral("goto")] = {[](S& self, const ole::Args& a) {
            goToPage(self.state(), a);
            return rangeOf(self.docPtr(), self.state().selection.extent());
        }, {}};
        t[QStringLiteral("range")] = {[](S& self, const ole::Args&) {
            return rangeOf(self.docPtr(), self.state().selection.extent());
        }, {}};
        t[QStringLiteral("text")] = {[](S& self, const ole::Args&) { return ole::Value(self.state().selection.text()); }, {}};
        t[QStringLiteral("start")] = {[](S& self, const ole::Args&) {
            return ole::I4(edit::toOffset(self.state().doc, self.state().selection.extent().start));
        }, {}};
        t[QStringLiteral("end")] = {[](S& self, const ole::Args&) {
            return ole::I4(edit::toOffset(self.state().doc, self.state().selection.extent().end));
        }, {}};
        t[QStringLiteral("font")] = {[](S& self, const ole::Args&) { return object<FontObject>(self.docPtr(), selectionTarget()); }, {}};
        t[QStringLiteral("paragraphformat")] = {[](S& self, const ole::Args&) {
            return object<ParagraphFormatObject>(self.docPtr(), selectionTarget());
        }, {}};
        t[QStringLiteral("paragraphs")] = {[](S& self, const ole::Args&) {
            return object<ParagraphsObject>(self.docPtr(), selectionTarget());
        }, {}};
        t[QStringLiteral("cells")] = {[](S& self, const ole::Args&) { return object<CellsObject>(self.docPtr()); }, {}};
        return t;
    }();
    return table;
}

const MemberTable<RangeObject>& RangeObject::members() {
    using R = RangeObject;
    static const MemberTable<R> table = [] {
        MemberTable<R> t;
        const auto target = [](R& self) { return TextTarget{false, self.start, self.end}; };
        t[QStringLiteral("start")] = {[](R& self, const ole::Args&) { return ole::I4(edit::toOffset(self.state().doc, self.extent().start)); }, {}};
        t[QStringLiteral("end")] = {[](R& self, const ole::Args&) { return ole::I4(edit::toOffset(self.state().doc, self.extent().end)); }, {}};
        t[QStringLiteral("text")] = {[](R& self, const ole::Args&) { return ole::Value(edit::textOf(self.state().doc, self.extent())); }, {}};
        t[QString()] = t[QStringLiteral("text")];
        t[QStringLiteral("listformat")] = {[target](R& self, const ole::Args&) { return object<ListFormatObject>(self.docPtr(), target(self)); }, {}};
        t[QStringLiteral("font")] = {[target](R& self, const ole::Args&) { return object<FontObject>(self.docPtr(), target(self)); }, {}};
        t[QStringLiteral("paragraphformat")] = {[target](R& self, const ole::Args&) {
            return object<ParagraphFormatObject>(self.docPtr(), target(self));
        }, {}};
        t[QStringLiteral("paragraphs")] = {[target](R& self, const ole::Args&) { return object<ParagraphsObject>(self.docPtr(), target(self)); }, {}};
        t[QStringLiteral("select")] = {[](R& self, const ole::Args&) {
            const edit::Extent e = self.extent();
            self.state().selection.select(e.start, e.end);
            return ole::Value();
        }, {}};
        t[QStringLiteral("copyaspicture")] = {[](R& self, const ole::Args&) {
            if (!services().copyFirstPageAsPicture)
                throw ole::Error(QStringLiteral("Copying a page as a picture is not available before the document is "
                                                "laid out (this build has no page rendering)."));
            services().copyFirstPageAsPicture(self.state().doc);
            return ole::Value();
        }, {}};
        return t;
    }();
    return table;
}

} // namespace engine::automation
