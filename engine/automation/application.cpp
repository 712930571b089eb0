#include "engine/automation/application.h"

#include "engine/automation/objects.h"
#include "engine/automation/services.h"
#include "wordgen/ole/registry.h"

namespace engine {

namespace automation {

namespace {
const QString kProgId = QStringLiteral("Word.Application");
} // namespace

ApplicationObject::~ApplicationObject() {
    // Releasing the instance ends it as Quit would (without saving): an in-process engine
    // nobody holds can never be reached again, so it must not stay registered.
    if (!app_->quit) quit();
}

void ApplicationObject::checkAlive() const {
    if (app_->quit)
        throw ole::Error(QStringLiteral("The remote server machine does not exist or is unavailable: "
                                        "this Word application has quit."));
}

void ApplicationObject::quit() {
    for (const DocPtr& d : std::vector<DocPtr>(app_->documents)) app_->close(d);
    app_->quit = true;
    app_->registration.reset();
}

const MemberTable<ApplicationObject>& ApplicationObject::members() {
    using A = ApplicationObject;
    static const MemberTable<A> table = [] {
        MemberTable<A> t;
        const auto name = [](A&, const ole::Args&) { return ole::Value(QString::fromLatin1(kWordApplicationName)); };
        t[QString()] = {name, {}};
        t[QStringLiteral("name")] = {name, {}};
        t[QStringLiteral("version")] = {[](A&, const ole::Args&) { return ole::Value(QStringLiteral("16.0")); }, {}};
        t[QStringLiteral("documents")] = {[](A& a, const ole::Args& args) {
            return itemOrCollection(args, object<DocumentsObject>(a.appPtr()));
        }, {}};
        t[QStringLiteral("activedocument")] = {[](A& a, const ole::Args&) {
            return object<DocumentObject>(a.app().activeDocument(), std::weak_ptr<AppState>(a.appPtr()));
        }, {}};
        t[QStringLiteral("selection")] = {[](A& a, const ole::Args&) {
            return object<SelectionObject>(a.app().activeDocument());
        }, {}};
        t[QStringLiteral("activewindow")] = {[](A& a, const ole::Args&) {
            return object<WindowObject>(a.app().activeDocument());
        }, {}};
        t[QStringLiteral("inchestopoints")] = {[](A&, const ole::Args& args) {
            return ole::R4(float(required(args, 0).toDouble() * 72.0));
        }, {}};
        t[QStringLiteral("centimeterstopoints")] = {[](A&, const ole::Args& args) {
            return ole::R4(float(required(args, 0).toDouble() * 72.0 / 2.54));
        }, {}};
        t[QStringLiteral("displayalerts")] = {
            [](A& a, const ole::Args&) { return ole::I4(a.app().displayAlerts); },
            [](A& a, const ole::Args&, const ole::Value& v) {
                // Booleans as Word takes them: True = all alerts (-1), False = none (0).
                const int level = v.type() == ole::VarType::Bool ? (v.toBool() ? -1 : 0) : v.toInt();
                if (level < -2 || level > 0) throw outOfRange();
                a.app().displayAlerts = level;
            }};
        t[QStringLiteral("visible")] = {
            [](A& a, const ole::Args&) { return ole::Bool(a.app().visible); },
            [](A& a, const ole::Args&, const ole::Value& v) { a.app().visible = v.toBool(); }};
        t[QStringLiteral("quit")] = {[](A& a, const ole::Args& args) {
            if (intArg(args, 0, 0) == -1) { // wdSaveChanges
                for (const DocPtr& d : a.app().documents) saveUnderItsName(*d);
            }
            a.quit();
            return ole::Value();
        }, {}};
        return t;
    }();
    return table;
}

} // namespace automation

ole::DispatchPtr createWordApplication() {
    using namespace automation;
    auto state = std::make_shared<AppState>();
    auto app = std::make_shared<ApplicationObject>(state);
    state->registration = ole::RunningObjectTable::registerInstance(
        kProgId, [] { return QString::fromLatin1(kWordApplicationName); }, std::weak_ptr<ole::Dispatch>(app));
    return app;
}

model::Document* modelOf(const ole::DispatchPtr& document) {
    const auto d = std::dynamic_pointer_cast<automation::DocumentObject>(document);
    if (!d || d->state().closed) return nullptr;
    return &d->state().doc;
}

void registerWordApplication() {
    automation::installWordFileServices();
    ole::registerClass(automation::kProgId, ole::ClassFactory{
                                                [] { return createWordApplication(); },
                                                [] { return ole::RunningObjectTable::find(automation::kProgId); },
                                            });
}

} // namespace engine
