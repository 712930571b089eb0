#pragma once
// What the résumé generator reads of the data-entry window while it runs, and the little
// it does to that window, without depending on widgets.

#include <QString>

namespace quillory {

// The ten single-value fields of the résumé.
enum class ResumeField {
    YourName,
    StreetAddress,
    City,
    ZipCode,
    Phone,
    Email,
    DateOfAttendance,
    SchoolName,
    SchoolCity,
    DegreeObtained,
};

struct WorkHistoryRow {
    QString dateOfEmployment;
    QString companyName;
    QString cityState;
    QString jobTitle;
};

struct SkillRow {
    QString skill;
    QString description;
};

// Live view of the data: every call reads the window's controls as they are now.
// Row indexes count from 0 in list order.
class ResumeSource {
public:
    virtual ~ResumeSource() = default;
    virtual QString fieldText(ResumeField field) const = 0;
    virtual int workHistoryRowCount() const = 0;
    virtual WorkHistoryRow workHistoryRow(int index) const = 0;
    virtual int skillRowCount() const = 0;
    virtual SkillRow skillRow(int index) const = 0;
};

// The data-entry window as the generator and the preview handle it.
class DataEntryWindow {
public:
    virtual ~DataEntryWindow() = default;
    // Pointer code of the window: 0 default, 11 hourglass, 99 hand.
    virtual void setMousePointer(int code) = 0;
    virtual int mousePointer() const = 0;
    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
};

}  // namespace quillory
