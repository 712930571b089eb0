#pragma once
// The error trap of a procedure: its steps are numbered lines, a failing step is reported
// in the "Application Error" box with the procedure's location and the step's line, and
// the procedure goes on with its next written step.
//
//     ErrorTrap trap{"Form1.Form_Load"};
//     trap(100, [&] { ApplySkin(...); });
//     if (trap.test(106, [&] { return FileExists(path); }))   // a failing test enters
//         trap(108, [&] { loadCursor(); });                   // the branch
//
// Inside a loop each pass runs its own numbered steps, so a failure resumes with the next
// step of the same pass.

#include <QString>

#include <exception>
#include <utility>

namespace quillory {

// The full text of the error message for a failure at `line` of `location`.
QString errorMessageText(const QString& description, const QString& location, int line);

// Shows the error message box (title "Application Error", warning icon, OK).
void reportError(const QString& description, const QString& location, int line);

// Readable description of the exception currently being handled.
QString describeCurrentException();

class ErrorTrap {
public:
    explicit ErrorTrap(QString location) : location_(std::move(location)) {}

    // Runs one numbered step; a failure is reported and swallowed.
    template <class Step>
    void operator()(int line, Step&& step) {
        currentLine_ = line;
        try {
            std::forward<Step>(step)();
        } catch (...) {
            report();
        }
    }

    // Runs the numbered test of a branch; a failing test is reported and counts as true,
    // so the branch is entered.
    template <class Test>
    bool test(int line, Test&& condition) {
        currentLine_ = line;
        try {
            return static_cast<bool>(std::forward<Test>(condition)());
        } catch (...) {
            report();
            return true;
        }
    }

    // Marks the start of a numbered line that has no step of its own (a loop head).
    void line(int number) { currentLine_ = number; }

    const QString& location() const { return location_; }
    int currentLine() const { return currentLine_; }  // 0 before the first line
    int failures() const { return failures_; }

private:
    void report();

    QString location_;
    int currentLine_ = 0;
    int failures_ = 0;
};

}  // namespace quillory
