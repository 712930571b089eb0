#pragma once
// Readable failure messages for QString comparisons in the engine tests.
#include <QString>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
