#pragma once
// A résumé data set held in memory, read the way the generator reads the window.

#include "shell/core/ResumeSource.h"

#include <QHash>
#include <QVector>

namespace quillory::testing {

class FakeResumeSource : public ResumeSource {
public:
    QHash<ResumeField, QString> fields;
    QVector<WorkHistoryRow> work;
    QVector<SkillRow> skills;

    QString fieldText(ResumeField f) const override { return fields.value(f); }
    int workHistoryRowCount() const override { return work.size(); }
    WorkHistoryRow workHistoryRow(int i) const override { return work.at(i); }
    int skillRowCount() const override { return skills.size(); }
    SkillRow skillRow(int i) const override { return skills.at(i); }

    static FakeResumeSource sample() {
        FakeResumeSource s;
        s.fields = {{ResumeField::YourName, "Alex Morrow"},
                    {ResumeField::StreetAddress, "42 Juniper Lane"},
                    {ResumeField::City, "Cedarbrook NH"},
                    {ResumeField::ZipCode, "04417"},
                    {ResumeField::Phone, "555-010-4477"},
                    {ResumeField::Email, "alex.morrow@example.com"},
                    {ResumeField::DateOfAttendance, "2000 to 2004"},
                    {ResumeField::SchoolName, "Cedarbrook High School"},
                    {ResumeField::SchoolCity, "Cedarbrook NH"},
                    {ResumeField::DegreeObtained, "High School Diploma"}};
        s.skills = {{"Photoshop", "3 courses"}, {"Software QA", "2 years of experience"}};
        s.work = {{"August 2005 - Present", "Marrowby", "Maplewick NH", "Software Engineer"}};
        return s;
    }
};

} // namespace quillory::testing
