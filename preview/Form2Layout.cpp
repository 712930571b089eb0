// Form2's controls at their design positions (twips) and in their tab order, and the
// wiring of the widgets' signals to the event procedures.

#include "preview/CommonDialog.h"
#include "preview/Form2.h"
#include "preview/PictureArray.h"
#include "preview/PictureBox.h"
#include "shell/HoverPushButton.h"
#include "shell/PointerConvention.h"
#include "shell/Twips.h"
#include "shell/WindowConventions.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QTreeWidget>

namespace quillory {
namespace {

template <class Control> Control* named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QScrollBar* scrollBar(Qt::Orientation orientation, QWidget* parent, const char* name) {
    auto* bar = named(new QScrollBar(orientation, parent), name);
    // A scroll bar starts with the range 0 to 32767; small and large change stay 1.
    bar->setRange(0, 32767);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    return bar;
}

} // namespace

// The controls are created in their tab order (HScroll1, VScroll1, Picture2, Picture1,
// Frame1, Zoom_Ori, PushButton1, PushButton2, PushButton6, PushButton8, ListView1): a new
// widget joins the end of the window's focus chain, so the creation order is the tab order.
void Form2::createControls() {
    HScroll1 = scrollBar(Qt::Horizontal, this, "HScroll1");
    HScroll1->setGeometry(twipsRect(120, 9105, 9330, 255));
    VScroll1 = scrollBar(Qt::Vertical, this, "VScroll1");
    VScroll1->setGeometry(twipsRect(9450, 1800, 255, 7305));

    Picture2 = named(new PictureBox(this), "Picture2");
    Picture2->moveTwips(120, 1800);
    Picture2->resizeTwips(9330, 7305);
    Picture1 = named(new PictureBox(Picture2), "Picture1");
    Picture1->moveTwips(0, 0);
    Picture1->resizeTwips(2340, 3435);
    Picture2->setFocusPolicy(Qt::StrongFocus);
    Picture1->setFocusPolicy(Qt::StrongFocus);

    Frame1 = named(new QGroupBox(QStringLiteral("Zoom:"), this), "Frame1");
    Frame1->setGeometry(twipsRect(120, 9420, 9600, 855));
    setBackgroundColour(*Frame1, designWhite());

    // The hidden holder of the unscaled page lies outside the client area.
    Zoom_Ori = named(new PictureBox(this), "Zoom_Ori");
    Zoom_Ori->moveTwips(10320, 480);
    Zoom_Ori->resizeTwips(735, 375);

    PushButton1 = named(new HoverPushButton(QStringLiteral("Zoom In"), Frame1), "PushButton1");
    PushButton1->setGeometry(twipsRect(240, 300, 4440, 405));
    PushButton2 = named(new HoverPushButton(QStringLiteral("Zoom Out"), Frame1), "PushButton2");
    PushButton2->setGeometry(twipsRect(4800, 300, 4560, 405));

    PushButton6 = named(new HoverPushButton(QStringLiteral("Save Results To Word File"), this),
                        "PushButton6");
    PushButton6->setGeometry(twipsRect(4920, 10410, 4800, 405));
    PushButton8 = named(new HoverPushButton(QStringLiteral("< Back"), this), "PushButton8");
    PushButton8->setGeometry(twipsRect(120, 10410, 4680, 405));

    ListView1 = named(new QTreeWidget(this), "ListView1");
    ListView1->setGeometry(twipsRect(120, 120, 9600, 1575));
    ListView1->setFont(windowFont());
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setColumnCount(1);
    ListView1->header()->setSectionsMovable(false);

    CommonDialog1 = new CommonDialog(this);
    Image1 = named(new PictureArray(this), "Image1");
}

void Form2::connectBehaviour() {
    connect(PushButton1, &QPushButton::clicked, this, &Form2::PushButton1_Click);
    connect(PushButton2, &QPushButton::clicked, this, &Form2::PushButton2_Click);
    connect(PushButton6, &QPushButton::clicked, this, &Form2::PushButton6_Click);
    connect(PushButton8, &QPushButton::clicked, this, &Form2::PushButton8_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form2::HScroll1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form2::VScroll1_Change);
    connect(ListView1, &QTreeWidget::itemClicked, this, &Form2::ListView1_Click);
    ListView1->installEventFilter(this);

    connect(Picture1, &PictureBox::mouseDown, this, &Form2::picture1_MouseDown);
    connect(Picture1, &PictureBox::mouseMove, this, &Form2::picture1_MouseMove);
    connect(Picture1, &PictureBox::mouseUp, this, [this] { Picture1_MouseUp(); });

    for (HoverPushButton* button : {PushButton1, PushButton2, PushButton6, PushButton8})
        pointer_->watchPushButton(*button);
    pointer_->watchResettingArea(*Frame1);
    pointer_->watchResettingArea(*ListView1);
}

} // namespace quillory
