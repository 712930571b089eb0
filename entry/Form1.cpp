// Form1: construction, the load, closing, the field and focus behaviour, and the views
// the generator reads.

#include "entry/Form1.h"

#include "entry/ListViewRows.h"
#include "entry/TextBoxes.h"
#include "shell/CursorFile.h"
#include "shell/HoverPushButton.h"
#include "shell/PointerConvention.h"
#include "shell/Skin.h"
#include "shell/SkinFramework.h"
#include "shell/Twips.h"
#include "shell/WindowConventions.h"
#include "shell/core/AppTitle.h"
#include "shell/core/ErrorTrap.h"
#include "shell/core/Files.h"
#include "shell/core/SettingsKeys.h"
#include "shell/core/SettingsStore.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTabWidget>
#include <QTreeWidget>

namespace quillory {

struct Form1::FieldBinding {
    ResumeField field;
    EntryLineEdit* Form1::*box;
    const char* key;
    const char* changeProcedure;  // where a failed write while typing is reported
};

const std::array<Form1::FieldBinding, 10>& Form1::fieldBindings() {
    namespace k = settings;
    static const std::array<FieldBinding, 10> table{{
        {ResumeField::City, &Form1::txtCity, k::kCity, "Form1.txtCity_Change"},
        {ResumeField::DateOfAttendance, &Form1::txtDateOfAttendance, k::kDateOfAttendance,
         "Form1.txtDateOfAttendance_Change"},
        {ResumeField::DegreeObtained, &Form1::txtDegreeObtained, k::kDegreeObtained,
         "Form1.txtDegreeObtained_Change"},
        {ResumeField::Email, &Form1::txtEmail, k::kEmail, "Form1.txtEmail_Change"},
        {ResumeField::Phone, &Form1::txtPhone, k::kPhone, "Form1.txtPhone_Change"},
        {ResumeField::SchoolCity, &Form1::txtSchoolCity, k::kSchoolCity,
         "Form1.txtSchoolCity_Change"},
        {ResumeField::SchoolName, &Form1::txtSchoolName, k::kSchoolName,
         "Form1.txtSchoolName_Change"},
        {ResumeField::StreetAddress, &Form1::txtStreetAddress, k::kStreetAddress,
         "Form1.txtStreetAddress_Change"},
        {ResumeField::YourName, &Form1::txtYourName, k::kYourName, "Form1.txtYourName_Change"},
        {ResumeField::ZipCode, &Form1::txtZipCode, k::kZipCode, "Form1.txtZipCode_Change"},
    }};
    return table;
}

Form1::Form1(SettingsStore& store, QWidget* parent)
    : QWidget(parent),
      store_(store),
      endApplication_([] { QCoreApplication::quit(); }),
      applicationFolder_(applicationFolder()),
      SkinFramework1(std::make_unique<SkinFramework>()) {
    setObjectName(QStringLiteral("Form1"));
    setUpFixedWindow(*this, twipsSize(8040, 8805));
    pointer_ = new WindowPointer(*this);
    createControls();
    connectBehaviour();
}

Form1::~Form1() = default;

void Form1::setGenerateResume(std::function<void()> generateResume) {
    generateResume_ = std::move(generateResume);
}

void Form1::setCheckWordCanStart(std::function<bool()> checkWordCanStart) {
    checkWordCanStart_ = std::move(checkWordCanStart);
}

void Form1::setEndApplication(std::function<void()> endApplication) {
    endApplication_ = std::move(endApplication);
}

void Form1::setApplicationFolder(const QString& folder) { applicationFolder_ = folder; }

void Form1::connectBehaviour() {
    for (const FieldBinding& binding : fieldBindings()) {
        connect(this->*binding.box, &QLineEdit::textChanged, this,
                [this, &binding](const QString& text) { storeField(binding, text); });
    }
    // "|" and "^" separate the cells and rows of a stored list, so the list input boxes
    // refuse them: what the list shows is always what comes back from the store.
    for (EntryLineEdit* box : {txtSkills, txtDateEmployment, txtCompany, txtCompanyCity, txtJobTitle})
        box->refuseListSeparators();
    txtAbilities->refuseListSeparators();
    txtCompany->setSelectAllOnFocus(false);

    connect(PushButton1, &QPushButton::clicked, this, &Form1::PushButton1_Click);
    connect(PushButton2, &QPushButton::clicked, this, &Form1::PushButton2_Click);
    connect(PushButton3, &QPushButton::clicked, this, &Form1::PushButton3_Click);
    connect(PushButton4, &QPushButton::clicked, this, &Form1::PushButton4_Click);
    connect(PushButton5, &QPushButton::clicked, this, &Form1::PushButton5_Click);
    connect(PushButton6, &QPushButton::clicked, this, &Form1::PushButton6_Click);
    connect(PushButton7, &QPushButton::clicked, this, &Form1::PushButton7_Click);

    for (HoverPushButton* button :
         {PushButton1, PushButton2, PushButton3, PushButton4, PushButton5, PushButton6, PushButton7})
        pointer_->watchPushButton(*button);
    for (QWidget* area : {Frame1, Frame2, Frame5, static_cast<QWidget*>(ListView1),
                          static_cast<QWidget*>(ListView2)})
        pointer_->watchResettingArea(*area);

    // A list that has rows always has a selected row, so "Delete Selected" has its row.
    for (QTreeWidget* list : {ListView1, ListView2})
        connect(list, &QTreeWidget::itemSelectionChanged, list, [list] { ensureSelectedRow(*list); });
}

void Form1::storeField(const FieldBinding& binding, const QString& text) {
    // No trap of its own: a refused write is reported once, then again only after a write
    // has succeeded, so typing into a broken store does not raise a box per keystroke.
    try {
        store_.write(QString::fromUtf8(binding.key), text);
        fieldWriteFailing_ = false;
    } catch (...) {
        if (!fieldWriteFailing_) {
            fieldWriteFailing_ = true;
            reportError(describeCurrentException(), QString::fromUtf8(binding.changeProcedure), 100);
        }
    }
}

void Form1::Form_Load() {
    ErrorTrap trap{QStringLiteral("Form1.Form_Load")};
    trap(100, [&] { ApplySkin(*this, *SkinFramework1, applicationFolder_); });
    trap(104, [&] {
        setCaptionAndIcon(*this);
        SetAppTitle();
    });
    const QString cursorPath = pathInFolder(applicationFolder_, QStringLiteral("HAND-M.CUR"));
    if (trap.test(106, [&] { return FileExists(cursorPath); }))
        trap(108, [&] { pointer_->setCustomCursor(loadCursorFile(cursorPath)); });

    int line = 128;
    for (const FieldBinding& binding : fieldBindings()) {
        trap(line, [&] { (this->*binding.box)->setText(store_.read(QString::fromUtf8(binding.key))); });
        line += 2;
    }
    loadList(trap, *ListView1, settings::kWorkHistory, 148);
    loadList(trap, *ListView2, settings::kSkillsAndAbilities, 166);

    trap(184, [&] {
        if (checkWordCanStart_ && !checkWordCanStart_())
            endRequested_ = true;
    });
    if (!endRequested_)
        centreOnScreen(*this);
}

// Rebuilds `list` from its stored list string; the steps are numbered from `firstLine`
// (148 for the work history, 166 for the skills).
void Form1::loadList(ErrorTrap& trap, QTreeWidget& list, const char* key, int firstLine) {
    QStringList rows;
    trap(firstLine, [&] {
        const QString stored = store_.read(QString::fromUtf8(key));
        if (!stored.isEmpty())
            rows = stored.split(QLatin1Char('|'));
    });
    list.setUpdatesEnabled(false);
    for (const QString& rowString : rows) {
        trap.line(firstLine + 2);
        QStringList cells;
        trap(firstLine + 4, [&] { cells = rowString.split(QLatin1Char('^')); });
        for (int c = 0; c < cells.size(); ++c) {
            trap.line(firstLine + 6);
            if (trap.test(firstLine + 8, [&] { return c == 0; }))
                trap(firstLine + 10, [&] { appendRow(list, cells[c]); });
            else
                trap(firstLine + 12, [&] { setSubItem(list, lastRow(list), c, cells[c]); });
        }
    }
    list.setUpdatesEnabled(true);
    ensureSelectedRow(list);
}

void Form1::storeList(QTreeWidget& list) {
    const char* key = &list == ListView1 ? settings::kWorkHistory : settings::kSkillsAndAbilities;
    store_.write(QString::fromUtf8(key), listString(list));
}

void Form1::Form_QueryUnload() {
    ErrorTrap trap{QStringLiteral("Form1.Form_QueryUnload")};
    QString s;
    trap(100, [&] { s.clear(); });
    trap.line(102);
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        trap(104, [&] {
            const QStringList row = rowStrings(*ListView1, i);
            s += row[0] + QLatin1Char('^') + row[1] + QLatin1Char('^') + row[2] + QLatin1Char('^') +
                 row[3] + QLatin1Char('|');
        });
    }
    if (trap.test(108, [&] { return !s.isEmpty(); }))
        trap(110, [&] { s.chop(1); });
    trap(112, [&] { store_.write(QString::fromUtf8(settings::kWorkHistory), s); });
    trap(114, [&] { s.clear(); });
    trap.line(116);
    for (int i = 0; i < ListView2->topLevelItemCount(); ++i) {
        trap(118, [&] {
            const QStringList row = rowStrings(*ListView2, i);
            s += row[0] + QLatin1Char('^') + row[1] + QLatin1Char('|');
        });
    }
    if (trap.test(122, [&] { return !s.isEmpty(); }))
        trap(124, [&] { s.chop(1); });
    trap(126, [&] { store_.write(QString::fromUtf8(settings::kSkillsAndAbilities), s); });
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
    // Unloading the main window ends the application at once.
    if (endApplication_)
        endApplication_();
}

EntryLineEdit* Form1::fieldBox(ResumeField field) const {
    for (const FieldBinding& binding : fieldBindings()) {
        if (binding.field == field)
            return this->*binding.box;
    }
    return nullptr;
}

QString Form1::fieldText(ResumeField field) const {
    const EntryLineEdit* box = fieldBox(field);
    return box ? box->text() : QString();
}

int Form1::workHistoryRowCount() const { return ListView1->topLevelItemCount(); }

WorkHistoryRow Form1::workHistoryRow(int index) const {
    const QStringList row = rowStrings(*ListView1, index);
    return {row[0], row[1], row[2], row[3]};
}

int Form1::skillRowCount() const { return ListView2->topLevelItemCount(); }

SkillRow Form1::skillRow(int index) const {
    const QStringList row = rowStrings(*ListView2, index);
    return {row[0], row[1]};
}

void Form1::setMousePointer(int code) { pointer_->setCode(code); }

int Form1::mousePointer() const { return pointer_->code(); }

void Form1::showWindow() { show(); }

void Form1::hideWindow() { hide(); }

}  // namespace quillory
