#pragma once
// Form1: the main window and start-up window, the data-entry form of the résumé. Its
// controls are the résumé data (ten field boxes and two lists); object names are the
// control names (txtYourName, ListView1, PushButton6, ...; the picture boxes of the tab
// pages are "Picture1_0", "Picture1_1", "Picture1_4", the labels "Label1_0" onwards).
//
// The load runs before the window is first shown: app/ calls Form_Load() and shows the
// window only when endRequested() is false.

#include "shell/core/ResumeSource.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QTreeWidget;
class QTabWidget;

namespace quillory {

class EntryLineEdit;
class EntryTextEdit;
class HoverPushButton;
class SettingsStore;
class SkinFramework;
class WindowPointer;

class Form1 final : public QWidget, public ResumeSource, public DataEntryWindow {
    Q_OBJECT
public:
    explicit Form1(SettingsStore& store, QWidget* parent = nullptr);
    ~Form1() override;

    // Seams set by the application; both default to doing nothing.
    // GenerateResume builds the résumé from this window (called by "Start Creating Template").
    void setGenerateResume(std::function<void()> generateResume);
    // The Word check at the end of the load: false means the program must end now (the
    // check has told the user why); the window then never shows.
    void setCheckWordCanStart(std::function<bool()> checkWordCanStart);
    // What ends the application when the window closes (default: QCoreApplication::quit).
    void setEndApplication(std::function<void()> endApplication);
    // Folder searched for "HAND-M.CUR" and "x/o.cjs" (default: the executable's folder).
    void setApplicationFolder(const QString& folder);

    // Event procedures and commands.
    void Form_Load();
    void Form_QueryUnload();
    void PushButton1_Click();  // Start Creating Template
    void PushButton2_Click();  // Delete Selected (work history)
    void PushButton3_Click();  // Add (work history)
    void PushButton4_Click();  // Add (skills)
    void PushButton5_Click();  // Delete Selected (skills)
    void PushButton6_Click();  // Clear/Reset Data
    void PushButton7_Click();  // Load Sample/Example Data

    bool endRequested() const { return endRequested_; }
    bool mBusy() const { return mBusy_; }
    SkinFramework& skinFramework() { return *SkinFramework1; }
    WindowPointer& pointer() { return *pointer_; }

    // ResumeSource
    QString fieldText(ResumeField field) const override;
    int workHistoryRowCount() const override;
    WorkHistoryRow workHistoryRow(int index) const override;
    int skillRowCount() const override;
    SkillRow skillRow(int index) const override;

    // DataEntryWindow
    void setMousePointer(int code) override;
    int mousePointer() const override;
    void showWindow() override;
    void hideWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct FieldBinding;
    // The ten fields in the order the load restores them.
    static const std::array<FieldBinding, 10>& fieldBindings();

    void createControls();
    void createPersonalData();
    void createTabs();
    void createSkillsPage(QWidget& page);
    void createWorkHistoryPage(QWidget& page);
    void createEducationPage(QWidget& page);
    void applyTabOrder();
    void connectBehaviour();

    EntryLineEdit* fieldBox(ResumeField field) const;
    void storeField(const FieldBinding& binding, const QString& text);
    void loadList(class ErrorTrap& trap, QTreeWidget& list, const char* key, int firstLine);
    void storeList(QTreeWidget& list);

    SettingsStore& store_;
    std::function<void()> generateResume_;
    std::function<bool()> checkWordCanStart_;
    std::function<void()> endApplication_;
    QString applicationFolder_;
    bool endRequested_ = false;
    bool mBusy_ = false;
    bool fieldWriteFailing_ = false;
    WindowPointer* pointer_ = nullptr;

public:
    // The controls, named as the window's design names them.
    HoverPushButton* PushButton1 = nullptr;
    HoverPushButton* PushButton2 = nullptr;
    HoverPushButton* PushButton3 = nullptr;
    HoverPushButton* PushButton4 = nullptr;
    HoverPushButton* PushButton5 = nullptr;
    HoverPushButton* PushButton6 = nullptr;
    HoverPushButton* PushButton7 = nullptr;
    QWidget* Frame1 = nullptr;
    QWidget* Frame2 = nullptr;
    QWidget* Frame5 = nullptr;
    QTabWidget* SSTab1 = nullptr;
    QWidget* Picture1_0 = nullptr;
    QWidget* Picture1_1 = nullptr;
    QWidget* Picture1_4 = nullptr;
    EntryLineEdit* txtYourName = nullptr;
    EntryLineEdit* txtStreetAddress = nullptr;
    EntryLineEdit* txtCity = nullptr;
    EntryLineEdit* txtZipCode = nullptr;
    EntryLineEdit* txtPhone = nullptr;
    EntryLineEdit* txtEmail = nullptr;
    EntryLineEdit* txtDateOfAttendance = nullptr;
    EntryLineEdit* txtSchoolName = nullptr;
    EntryLineEdit* txtSchoolCity = nullptr;
    EntryLineEdit* txtDegreeObtained = nullptr;
    EntryLineEdit* txtSkills = nullptr;
    EntryTextEdit* txtAbilities = nullptr;
    EntryLineEdit* txtDateEmployment = nullptr;
    EntryLineEdit* txtCompany = nullptr;
    EntryLineEdit* txtCompanyCity = nullptr;
    EntryLineEdit* txtJobTitle = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QTreeWidget* ListView2 = nullptr;
    std::unique_ptr<SkinFramework> SkinFramework1;
};

}  // namespace quillory
