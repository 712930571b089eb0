// Form2: construction, the load, the first activation, the page switch, and what the
// generator hands over.

#include "preview/Form2.h"

#include "preview/CommonDialog.h"
#include "preview/PictureArray.h"
#include "preview/PictureBox.h"
#include "preview/ZoomSteps.h"
#include "shell/CursorFile.h"
#include "shell/PointerConvention.h"
#include "shell/Skin.h"
#include "shell/Twips.h"
#include "shell/WindowConventions.h"
#include "shell/core/ErrorTrap.h"
#include "shell/core/Files.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTreeWidget>

namespace quillory {

Form2::Form2(QWidget* parent)
    : QWidget(parent), endApplication_([] { QCoreApplication::exit(0); }),
      applicationFolder_(applicationFolder()) {
    setObjectName(QStringLiteral("Form2"));
    setUpFixedWindow(*this, twipsSize(9840, 10950));
    pointer_ = new WindowPointer(*this);
    createControls();
    connectBehaviour();
}

Form2::~Form2() = default;

void Form2::setEndApplication(std::function<void()> endApplication) {
    endApplication_ = std::move(endApplication);
}

void Form2::setSaveFileChooser(SaveFileChooser* chooser) {
    CommonDialog1->setChooser(chooser);
}

void Form2::Form_Load() {
    ErrorTrap trap{QStringLiteral("Form2.Form_Load")};
    trap(100, [&] { mFirstActivate = true; });
    trap(102, [&] { SetSystemBackColors(*this); });
    trap(104, [&] { setCaptionAndIcon(*this); });
    const QString cursorPath = pathInFolder(applicationFolder_, QStringLiteral("HAND-M.CUR"));
    if (trap.test(108, [&] { return FileExists(cursorPath); }))
        trap(110, [&] { pointer_->setCustomCursor(loadCursorFile(cursorPath)); });
    trap(112, [&] { ListView1->setHeaderLabels({QStringLiteral("Page(s)")}); });
    trap(114, [&] { ListView1->setColumnWidth(0, twipsToPixels(7500)); });
    centreOnScreen(*this);
}

void Form2::Form_Activate() {
    ErrorTrap trap{QStringLiteral("Form2.Form_Activate")};
    if (!trap.test(100, [&] { return mFirstActivate; }))
        return;
    trap.line(102);
    trap(104, [&] { Picture1->setAutoRedraw(true); });
    trap(106, [&] { Picture1->setAutoSize(true); });
    trap(108, [&] { Picture1->setDrawMode(6); });
    trap(110, [&] { setBackgroundColour(*Picture1, designWhite()); });
    pageSetUp([&](int line, const std::function<void()>& step) { trap(line, step); });
    trap(138, [&] { mFirstActivate = false; });
}

void Form2::pageSetUp(const StepRunner& run) {
    run(112, [] {});
    run(114, [&] { Zoom_Ori->setAutoRedraw(true); });
    run(116, [&] { Zoom_Ori->setVisible(false); });
    run(118, [&] { Zoom_Ori->setWidthTwips(Picture1->widthTwips()); });
    run(120, [&] { Zoom_Ori->setHeightTwips(Picture1->heightTwips()); });
    run(122, [&] { Zoom_Ori->setPicture(Picture1->picture()); });
    run(124, [&] { mZoom = 1.0f; });
    run(126, [&] { mOrigWidth = unscaledSize(Zoom_Ori->innerWidthTwips()); });
    run(128, [&] { mOrigHeight = unscaledSize(Zoom_Ori->innerHeightTwips()); });
    run(130, [&] { mZoomWidth = scaledSize(mOrigWidth, 1.0f); });
    run(132, [&] { mZoomHeight = scaledSize(mOrigHeight, 1.0f); });
    run(134, [&] { RedrawImage(); });
    run(136, [&] { ResetScrollbars(); });
}

void Form2::ListView1_Click() {
    // Reported under its own name so that a failure never escapes into the event loop.
    ErrorTrap trap{QStringLiteral("Form2.ListView1_Click")};
    trap(100, [&] { pointer_->setCode(kPointerHourglass); });
    int index = 0;
    trap(102, [&] {
        const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
        if (!selected.isEmpty())
            index = ListView1->indexOfTopLevelItem(selected.first()) + 1;
    });
    if (index >= 1) {
        trap(104, [&] { Picture1->setPicture(Image1->picture(index - 1)); });
        trap(106, [&] { pageSetUp([](int, const std::function<void()>& step) { step(); }); });
    }
    trap(108, [&] { pointer_->setCode(kPointerDefault); });
}

void Form2::clearPages() {
    ListView1->clear();
    Image1->reset();
    // The previous document's page leaves with its pages.
    Picture1->clearPicture();
}

void Form2::addPage(const QString& text, const QImage& picture) {
    auto* item = new QTreeWidgetItem(ListView1, QStringList{text});
    Image1->setPicture(ListView1->topLevelItemCount() - 1, picture);
    if (ListView1->topLevelItemCount() == 1)
        ListView1->setCurrentItem(item);
}

int Form2::pageCount() const {
    return ListView1->topLevelItemCount();
}

QImage Form2::pagePicture(int index) const {
    return Image1->picture(index);
}

void Form2::setPicture1(const QImage& picture) {
    Picture1->setPicture(picture);
}

void Form2::setWordFile(const QString& path) {
    mWordFile = path;
}

void Form2::showWindow() {
    // The first showing sets page 1 up when the window first becomes active. Later
    // generations bring a new page 1: it is set up here, so zoom and the scroll bars work
    // on the new résumé and not on the previous one.
    const bool shownBefore = !mFirstActivate;
    show();
    activateWindow();
    if (shownBefore)
        pageSetUp([](int, const std::function<void()>& step) { step(); });
}

bool Form2::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && mFirstActivate && isVisible())
        Form_Activate();
    return QWidget::event(event);
}

void Form2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Where the window system activates no window (a bare X server), showing counts as
    // becoming active.
    if (mFirstActivate)
        Form_Activate();
}

void Form2::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept(); // the close is never cancelled
    Form_Unload();
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListView1 && event->type() == QEvent::KeyRelease &&
        !static_cast<QKeyEvent*>(event)->isAutoRepeat())
        ListView1_Click();
    return QWidget::eventFilter(watched, event);
}

} // namespace quillory
