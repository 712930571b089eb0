#pragma once
// The preview as the application installs it: "Start Creating Template" runs the
// generator, whose last stage saves the temporary document, makes the page pictures and
// opens Form2 (loaded on first use) while the data-entry window hides.
//
//     quillory::Form1 form(store);
//     quillory::PreviewInstallation preview(form, form);
//     form.setGenerateResume(preview.generateResumeCommand());

#include "wordgen/PageClipboard.h"

#include <QString>

#include <functional>
#include <memory>

namespace quillory {

class DataEntryWindow;
class Form2;
class ResumeSource;

class PreviewInstallation {
  public:
    // `source` is read while a generation runs; `dataEntry` hides when the preview opens
    // and shows again on "< Back". Neither is owned; both must outlive this object.
    PreviewInstallation(const ResumeSource& source, DataEntryWindow& dataEntry);
    ~PreviewInstallation();
    PreviewInstallation(const PreviewInstallation&) = delete;
    PreviewInstallation& operator=(const PreviewInstallation&) = delete;

    // One résumé generation with the hand-over to the preview.
    void generateResume();
    std::function<void()> generateResumeCommand() {
        return [this] { generateResume(); };
    }

    // Form2, created and loaded on first use.
    Form2& form2();
    bool isForm2Loaded() const { return form2_ != nullptr; }

    // Passed on to Form2 when it loads (tests; the default ends the event loop).
    void setEndApplication(std::function<void()> endApplication);
    void setApplicationFolder(const QString& folder) { applicationFolder_ = folder; }

  private:
    const ResumeSource& source_;
    DataEntryWindow& dataEntry_;
    SystemPageClipboard clipboard_;
    std::unique_ptr<Form2> form2_;
    std::function<void()> endApplication_;
    QString applicationFolder_;
};

} // namespace quillory
