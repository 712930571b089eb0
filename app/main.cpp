// Quillory: starts the application with its main window, the data-entry form.

#include "engine/automation/application.h"
#include "engine/render/layout_services.h"
#include "entry/Form1.h"
#include "preview/PreviewInstallation.h"
#include "shell/QtMessages.h"
#include "shell/WindowConventions.h"
#include "shell/core/Product.h"
#include "shell/core/SettingsStore.h"
#include "wordgen/WordChecks.h"

#include <QApplication>

#include <cstdio>

namespace {

// Qt aborts without a display; say so in one line instead.
bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
    if (!hasDisplay()) {
        std::fprintf(stderr, "Quillory needs a graphical display (DISPLAY is not set); try: xvfb-run %s\n",
                     argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(quillory::kProductName));
    QApplication::setWindowIcon(quillory::applicationIcon());
    // The main window ends the application itself when it closes; a hidden main window
    // must not end it when another window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    quillory::QtMessages messages;
    quillory::ScopedMessages useMessages(messages);

    // The document engine stands in for the word processor under "Word.Application".
    engine::registerWordApplication();
    engine::render::installLayoutServices();

    quillory::IniSettingsStore store;
    quillory::Form1 form(store);
    quillory::PreviewInstallation preview(form, form);
    form.setGenerateResume(preview.generateResumeCommand());
    form.setCheckWordCanStart([] {
        bool canStart = true;
        quillory::CheckWordCanStart([&] { canStart = false; });
        return canStart;
    });
    form.Form_Load();
    if (form.endRequested())
        return 0;
    form.show();
    return QApplication::exec();
}
