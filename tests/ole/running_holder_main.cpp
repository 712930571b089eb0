// Holds a registered instance for the running-object tests, in a process of its own.
// Usage: ole_running_holder <progId> <name>
// Prints "ready <socket path>" once registered, then holds the instance until its standard
// input closes. A line "release" on standard input unregisters the instance while the
// process goes on ("released" is printed).

#include "wordgen/ole/running_objects.h"

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <progId> <name>\n", argv[0]);
        return 2;
    }
    const QString name = QString::fromUtf8(argv[2]);
    ole::RunningRegistration reg = ole::RunningObjectTable::registerInstance(
        QString::fromUtf8(argv[1]), [name] { return name; });
    if (!reg.isListening()) {
        std::fprintf(stderr, "cannot listen: %s\n", qPrintable(reg.errorString()));
        return 1;
    }
    std::printf("ready %s\n", qPrintable(reg.socketPath()));
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line == "release") {
            reg.reset();
            std::printf("released\n");
            std::fflush(stdout);
        }
    }
    return 0;
}
