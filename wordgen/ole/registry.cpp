#include "wordgen/ole/registry.h"

#include <QHash>

namespace ole {

namespace {
QHash<QString, ClassFactory>& classes() {
    static QHash<QString, ClassFactory> map;
    return map;
}
QString key(const QString& progId) { return progId.toLower(); } // ProgIDs ignore case
} // namespace

ClassFactory registerClass(const QString& progId, ClassFactory factory) {
    ClassFactory old = classes().value(key(progId));
    classes().insert(key(progId), std::move(factory));
    return old;
}

void unregisterClass(const QString& progId) { classes().remove(key(progId)); }

Object CreateObject(const QString& progId) {
    const ClassFactory f = classes().value(key(progId));
    if (!f.create) throw Error(QStringLiteral("ActiveX component can't create object"));
    DispatchPtr p = f.create();
    if (!p) throw Error(QStringLiteral("ActiveX component can't create object"));
    return Object(std::move(p));
}

Object GetObject(const QString& progId) {
    const ClassFactory f = classes().value(key(progId));
    DispatchPtr p = f.attachRunning ? f.attachRunning() : nullptr;
    if (!p) throw Error(QStringLiteral("ActiveX component can't create object"));
    return Object(std::move(p));
}

ScopedClass::~ScopedClass() {
    if (old_.create || old_.attachRunning)
        registerClass(progId_, std::move(old_));
    else
        unregisterClass(progId_);
}

} // namespace ole
