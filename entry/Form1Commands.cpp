// Form1's commands: start creating, the list commands, the sample data and the reset.
// Every list change is also written to the store at once, so the lists survive an end of
// the program other than closing this window.

#include "entry/Form1.h"

#include "entry/ListViewRows.h"
#include "entry/TextBoxes.h"
#include "shell/PointerConvention.h"
#include "shell/core/ErrorTrap.h"

#include <QTreeWidget>

namespace quillory {

void Form1::PushButton1_Click() {
    ErrorTrap trap{QStringLiteral("Form1.PushButton1_Click")};
    if (trap.test(100, [&] { return mBusy_; }))
        return;
    trap(102, [&] { mBusy_ = true; });
    trap(104, [&] { setMousePointer(kPointerHourglass); });
    trap(106, [&] {
        if (generateResume_)
            generateResume_();
    });
    trap(108, [&] { setMousePointer(kPointerDefault); });
    trap(110, [&] { mBusy_ = false; });
}

void Form1::PushButton3_Click() {
    ErrorTrap trap{QStringLiteral("Form1.PushButton3_Click")};
    trap(100, [&] { appendRow(*ListView1, txtDateEmployment->text()); });
    trap(102, [&] { setSubItem(*ListView1, lastRow(*ListView1), 1, txtCompany->text()); });
    trap(104, [&] { setSubItem(*ListView1, lastRow(*ListView1), 2, txtCompanyCity->text()); });
    trap(106, [&] { setSubItem(*ListView1, lastRow(*ListView1), 3, txtJobTitle->text()); });
    trap(108, [&] { txtDateEmployment->setText(QString()); });
    trap(110, [&] { txtCompany->setText(QString()); });
    trap(112, [&] { txtCompanyCity->setText(QString()); });
    trap(114, [&] { txtJobTitle->setText(QString()); });
    trap(116, [&] { storeList(*ListView1); });
}

void Form1::PushButton4_Click() {
    ErrorTrap trap{QStringLiteral("Form1.PushButton4_Click")};
    trap(100, [&] { appendRow(*ListView2, txtSkills->text()); });
    trap(102, [&] { setSubItem(*ListView2, lastRow(*ListView2), 1, txtAbilities->text()); });
    trap(104, [&] { txtSkills->setText(QString()); });
    trap(106, [&] { txtAbilities->setText(QString()); });
    trap(108, [&] { storeList(*ListView2); });
}

void Form1::PushButton2_Click() {
    ErrorTrap trap{QStringLiteral("Form1.PushButton2_Click")};
    if (trap.test(100, [&] { return ListView1->topLevelItemCount() == 0; }))
        return;
    trap(102, [&] { removeSelectedRow(*ListView1); });
    trap(104, [&] { storeList(*ListView1); });
}

void Form1::PushButton5_Click() {
    ErrorTrap trap{QStringLiteral("Form1.PushButton5_Click")};
    if (trap.test(100, [&] { return ListView2->topLevelItemCount() == 0; }))
        return;
    trap(102, [&] { removeSelectedRow(*ListView2); });
    trap(104, [&] { storeList(*ListView2); });
}

void Form1::PushButton7_Click() {
    ErrorTrap trap{QStringLiteral("Form1.PushButton7_Click")};
    trap(100, [&] { txtYourName->setText(QStringLiteral("Alex Morrow")); });
    trap(102, [&] { txtStreetAddress->setText(QStringLiteral("42 Juniper Lane")); });
    trap(104, [&] { txtCity->setText(QStringLiteral("Cedarbrook NH")); });
    trap(106, [&] { txtZipCode->setText(QStringLiteral("04417")); });
    trap(108, [&] { txtPhone->setText(QStringLiteral("555-010-4477")); });
    trap(110, [&] { txtEmail->setText(QStringLiteral("alex.morrow@example.com")); });
    trap(112, [&] { removeAllRows(*ListView2); });
    trap(114, [&] { txtSkills->setText(QStringLiteral("Photoshop")); });
    trap(116, [&] { txtAbilities->setText(QStringLiteral("3 courses")); });
    trap(118, [&] { PushButton4_Click(); });
    trap(120, [&] { txtSkills->setText(QStringLiteral("Software QA")); });
    trap(122, [&] { txtAbilities->setText(QStringLiteral("2 years of experience")); });
    trap(124, [&] { PushButton4_Click(); });
    trap(126, [&] { removeAllRows(*ListView1); });
    trap(128, [&] { txtDateEmployment->setText(QStringLiteral("August 2005 - Present")); });
    trap(130, [&] { txtCompany->setText(QStringLiteral("Marrowby")); });
    trap(132, [&] { txtCompanyCity->setText(QStringLiteral("Maplewick NH")); });
    trap(134, [&] { txtJobTitle->setText(QStringLiteral("Software Engineer")); });
    trap(136, [&] { PushButton3_Click(); });
    trap(138, [&] { txtDateOfAttendance->setText(QStringLiteral("2000 to 2004")); });
    trap(140, [&] { txtSchoolName->setText(QStringLiteral("Cedarbrook High School")); });
    trap(142, [&] { txtSchoolCity->setText(QStringLiteral("Cedarbrook NH")); });
    trap(144, [&] { txtDegreeObtained->setText(QStringLiteral("High School Diploma")); });
}

void Form1::PushButton6_Click() {
    ErrorTrap trap{QStringLiteral("Form1.PushButton6_Click")};
    trap(100, [&] { txtYourName->setText(QString()); });
    trap(102, [&] { txtStreetAddress->setText(QString()); });
    trap(104, [&] { txtCity->setText(QString()); });
    trap(106, [&] { txtZipCode->setText(QString()); });
    trap(108, [&] { txtPhone->setText(QString()); });
    trap(110, [&] { txtEmail->setText(QString()); });
    trap(112, [&] { removeAllRows(*ListView2); });
    trap(114, [&] { removeAllRows(*ListView1); });
    trap(116, [&] { txtDateOfAttendance->setText(QString()); });
    trap(118, [&] { txtSchoolName->setText(QString()); });
    trap(120, [&] { txtSchoolCity->setText(QString()); });
    trap(122, [&] { txtDegreeObtained->setText(QString()); });
    trap(124, [&] {
        storeList(*ListView2);
        storeList(*ListView1);
    });
}

}  // namespace quillory
