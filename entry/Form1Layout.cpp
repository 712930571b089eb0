// Form1's controls at their design geometry (twips), captions, columns and tab order.

#include "entry/Form1.h"

#include "entry/TextBoxes.h"
#include "shell/ControlKinds.h"
#include "shell/HoverPushButton.h"
#include "shell/Twips.h"
#include "shell/WindowConventions.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTreeWidget>

namespace quillory {
namespace {

int labelCount(const QWidget& window) { return window.findChildren<QLabel*>().size(); }

void addLabel(QWidget& window, QWidget& container, const QString& caption, int left, int top) {
    auto* label = new QLabel(caption, &container);
    label->setObjectName(QStringLiteral("Label1_%1").arg(labelCount(window) - 1));
    label->move(twipsPoint(left, top));
    label->adjustSize();
}

template <class Box>
Box* addBox(QWidget& container, const char* name, int left, int top, int width, int height) {
    auto* box = new Box(&container);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(twipsRect(left, top, width, height));
    return box;
}

HoverPushButton* addButton(QWidget& container, const char* name, const QString& caption,
                           int left, int top, int width, int height) {
    auto* button = new HoverPushButton(caption, &container);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(twipsRect(left, top, width, height));
    return button;
}

QGroupBox* addFrame(QWidget& container, const char* name, const QString& caption, int left,
                    int top, int width, int height) {
    auto* frame = new QGroupBox(caption, &container);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(twipsRect(left, top, width, height));
    setBackgroundColour(*frame, designWhite());
    return frame;
}

QTreeWidget* addList(QWidget& container, const char* name, int left, int top, int width,
                     int height, const QStringList& headers, const QList<int>& widthsTwips) {
    auto* list = new QTreeWidget(&container);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(twipsRect(left, top, width, height));
    list->setColumnCount(headers.size());
    list->setHeaderLabels(headers);
    for (int column = 0; column < widthsTwips.size(); ++column)
        list->setColumnWidth(column, twipsToPixels(widthsTwips[column]));
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSortingEnabled(false);
    list->header()->setStretchLastSection(false);
    return list;
}

// A tab page whose picture box sits at its design position relative to the tab control,
// wherever the tab control puts the page.
class TabPageHost : public QWidget {
public:
    TabPageHost(QTabWidget& tabs, QPoint designPosition)
        : tabs_(tabs), designPosition_(designPosition) {}

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        placePictureBox();
    }
    void moveEvent(QMoveEvent* event) override {
        QWidget::moveEvent(event);
        placePictureBox();
    }

private:
    void placePictureBox() {
        const QPoint origin = mapTo(&tabs_, QPoint(0, 0));
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QPoint wanted = designPosition_ - origin;
            child->move(qMax(0, wanted.x()), qMax(0, wanted.y()));
        }
    }

    QTabWidget& tabs_;
    QPoint designPosition_;
};

QWidget* addPictureBoxPage(QTabWidget& tabs, const QString& tabCaption, const char* name,
                           int left, int top, int width, int height) {
    auto* host = new TabPageHost(tabs, twipsPoint(left, top));
    auto* picture = new QWidget(host);
    picture->setObjectName(QString::fromLatin1(name));
    picture->resize(twipsSize(width, height));
    markAsPictureBox(*picture);
    setBackgroundColour(*picture, QGuiApplication::palette().color(QPalette::Base));
    tabs.addTab(host, tabCaption);
    return picture;
}

}  // namespace

void Form1::createControls() {
    PushButton1 = addButton(*this, "PushButton1", QStringLiteral("Start Creating Template"),
                            120, 120, 7800, 405);
    PushButton6 = addButton(*this, "PushButton6", QStringLiteral("Clear/Reset Data"), 120, 630,
                            3840, 405);
    PushButton7 = addButton(*this, "PushButton7", QStringLiteral("Load Sample/Example Data"),
                            4080, 630, 3840, 405);
    createPersonalData();
    createTabs();
    applyTabOrder();
}

void Form1::createPersonalData() {
    QGroupBox* frame = addFrame(*this, "Frame1", QStringLiteral("Personal Data"), 120, 1110,
                                7800, 2355);
    Frame1 = frame;
    txtYourName = addBox<EntryLineEdit>(*frame, "txtYourName", 1620, 270, 5910, 345);
    addLabel(*this, *frame, QStringLiteral("Your Name:"), 180, 345);
    txtStreetAddress = addBox<EntryLineEdit>(*frame, "txtStreetAddress", 1620, 765, 5910, 345);
    addLabel(*this, *frame, QStringLiteral("Street Address:"), 180, 840);
    txtCity = addBox<EntryLineEdit>(*frame, "txtCity", 1620, 1260, 3075, 345);
    addLabel(*this, *frame, QStringLiteral("City, State:"), 180, 1335);
    txtZipCode = addBox<EntryLineEdit>(*frame, "txtZipCode", 5805, 1260, 1725, 345);
    addLabel(*this, *frame, QStringLiteral("Zip Code:"), 4860, 1335);
    txtPhone = addBox<EntryLineEdit>(*frame, "txtPhone", 1620, 1800, 2445, 345);
    addLabel(*this, *frame, QStringLiteral("Phone:"), 180, 1875);
    txtEmail = addBox<EntryLineEdit>(*frame, "txtEmail", 5085, 1800, 2445, 345);
    addLabel(*this, *frame, QStringLiteral("Email:"), 4230, 1875);
}

void Form1::createTabs() {
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(twipsRect(120, 3585, 7800, 5100));
    SSTab1->setUsesScrollButtons(false);
    Picture1_0 = addPictureBoxPage(*SSTab1, QStringLiteral("Skills and Abilities"), "Picture1_0",
                                   120, 360, 7600, 4605);
    Picture1_1 = addPictureBoxPage(*SSTab1, QStringLiteral("Work History"), "Picture1_1", 45, 360,
                                   7530, 4650);
    Picture1_4 = addPictureBoxPage(*SSTab1, QStringLiteral("Education"), "Picture1_4", 45, 360,
                                   7530, 4650);
    createSkillsPage(*Picture1_0);
    createWorkHistoryPage(*Picture1_1);
    createEducationPage(*Picture1_4);
    SSTab1->setCurrentIndex(0);
}

void Form1::createSkillsPage(QWidget& page) {
    txtSkills = addBox<EntryLineEdit>(page, "txtSkills", 1380, 135, 6045, 345);
    addLabel(*this, page, QStringLiteral("Skills:"), 90, 180);
    txtAbilities = addBox<EntryTextEdit>(page, "txtAbilities", 1380, 600, 6045, 1095);
    addLabel(*this, page, QStringLiteral("Description:"), 90, 660);
    PushButton4 = addButton(page, "PushButton4", QStringLiteral("Add"), 120, 1845, 3600, 405);
    PushButton5 = addButton(page, "PushButton5", QStringLiteral("Delete Selected"), 3840, 1845,
                            3600, 405);
    ListView2 = addList(page, "ListView2", 120, 2340, 7320, 2130,
                        {QStringLiteral("Skills"), QStringLiteral("Description")}, {3000, 4000});
}

void Form1::createWorkHistoryPage(QWidget& page) {
    QGroupBox* frame = addFrame(page, "Frame2", QString(), 210, 45, 7320, 4560);
    Frame2 = frame;
    txtDateEmployment = addBox<EntryLineEdit>(*frame, "txtDateEmployment", 2175, 250, 4875, 345);
    addLabel(*this, *frame, QStringLiteral("Date of Employment:"), 240, 300);
    txtCompany = addBox<EntryLineEdit>(*frame, "txtCompany", 2175, 750, 4890, 345);
    addLabel(*this, *frame, QStringLiteral("Company Name:"), 240, 795);
    txtCompanyCity = addBox<EntryLineEdit>(*frame, "txtCompanyCity", 2175, 1250, 4875, 345);
    addLabel(*this, *frame, QStringLiteral("City, State:"), 240, 1290);
    txtJobTitle = addBox<EntryLineEdit>(*frame, "txtJobTitle", 2160, 1750, 4920, 345);
    addLabel(*this, *frame, QStringLiteral("Job Title:"), 240, 1800);
    PushButton3 = addButton(*frame, "PushButton3", QStringLiteral("Add"), 255, 2370, 3405, 405);
    PushButton2 = addButton(*frame, "PushButton2", QStringLiteral("Delete Selected"), 3765, 2370,
                            3285, 405);
    ListView1 = addList(*frame, "ListView1", 240, 2895, 6810, 1500,
                        {QStringLiteral("Date of Employment"), QStringLiteral("Company Name"),
                         QStringLiteral("City, State"), QStringLiteral("Job Title")},
                        {3000, 3000, 3000, 3000});
}

void Form1::createEducationPage(QWidget& page) {
    QGroupBox* frame = addFrame(page, "Frame5", QString(), 90, 45, 7440, 2490);
    Frame5 = frame;
    txtDateOfAttendance =
        addBox<EntryLineEdit>(*frame, "txtDateOfAttendance", 2055, 270, 5115, 345);
    addLabel(*this, *frame, QStringLiteral("Dates of Attendance:"), 135, 345);
    txtSchoolName = addBox<EntryLineEdit>(*frame, "txtSchoolName", 2055, 810, 5130, 345);
    addLabel(*this, *frame, QStringLiteral("School Name:"), 135, 885);
    txtSchoolCity = addBox<EntryLineEdit>(*frame, "txtSchoolCity", 2055, 1350, 5115, 345);
    addLabel(*this, *frame, QStringLiteral("City, State:"), 135, 1425);
    txtDegreeObtained = addBox<EntryLineEdit>(*frame, "txtDegreeObtained", 2055, 1890, 5130, 345);
    addLabel(*this, *frame, QStringLiteral("Degree Obtained:"), 135, 1965);
}

void Form1::applyTabOrder() {
    const QList<QWidget*> order = {
        txtYourName,       txtStreetAddress,    txtCity,        txtZipCode,     txtPhone,
        txtEmail,          txtAbilities,        txtDateEmployment, txtCompany,  txtCompanyCity,
        txtJobTitle,       ListView1,           txtDateOfAttendance, txtSchoolName,
        txtSchoolCity,     txtDegreeObtained,   SSTab1,         ListView2,      txtSkills,
        PushButton1,       PushButton4,         PushButton5,    PushButton3,    PushButton2,
        PushButton6,       PushButton7,
    };
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

}  // namespace quillory
