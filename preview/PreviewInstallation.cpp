#include "preview/PreviewInstallation.h"

#include "preview/Form2.h"
#include "wordgen/ResumeGenerator.h"
#include "wordgen/ResumeHandover.h"

namespace quillory {

PreviewInstallation::PreviewInstallation(const ResumeSource& source, DataEntryWindow& dataEntry)
    : source_(source), dataEntry_(dataEntry) {}

PreviewInstallation::~PreviewInstallation() = default;

void PreviewInstallation::generateResume() {
    GenerateResume(
        source_,
        resumeHandover({dataEntry_, [this]() -> PreviewWindow& { return form2(); }, clipboard_}));
}

Form2& PreviewInstallation::form2() {
    if (!form2_) {
        form2_ = std::make_unique<Form2>();
        form2_->setDataEntryWindow(&dataEntry_);
        if (endApplication_)
            form2_->setEndApplication(endApplication_);
        if (!applicationFolder_.isEmpty())
            form2_->setApplicationFolder(applicationFolder_);
        form2_->Form_Load();
    }
    return *form2_;
}

void PreviewInstallation::setEndApplication(std::function<void()> endApplication) {
    endApplication_ = std::move(endApplication);
    if (form2_ && endApplication_)
        form2_->setEndApplication(endApplication_);
}

} // namespace quillory
