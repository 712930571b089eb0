#pragma once
// Form2: the preview window. It shows one page picture at a time in a fixed viewport
// (Picture2) with zoom, scroll bars and drag-to-pan, lists the pages (ListView1), and
// saves the temporary document where the user chooses, goes back to the data entry, or
// ends the program when closed. Object names are the control names.
//
// Positions and sizes of the page are kept in twips in the picture boxes; the arithmetic
// lives in ZoomSteps, ScrollRanges, ScrollPercent and DragBounds. The event procedures are
// public so tests and the widgets' signals call the same code.

#include "wordgen/PreviewWindow.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>

class QGroupBox;
class QScrollBar;
class QTreeWidget;

namespace quillory {

class CommonDialog;
class DataEntryWindow;
class HoverPushButton;
class PictureArray;
class PictureBox;
class SaveFileChooser;
class WindowPointer;

class Form2 final : public QWidget, public PreviewWindow {
    Q_OBJECT
  public:
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    // Seams set by whoever installs the window.
    // The data-entry window that "< Back" shows again (not owned).
    void setDataEntryWindow(DataEntryWindow* dataEntry) { dataEntry_ = dataEntry; }
    // What ends the application when this window closes (default: the event loop exits
    // at once, without closing the other windows).
    void setEndApplication(std::function<void()> endApplication);
    // Folder searched for "HAND-M.CUR" (default: the executable's folder).
    void setApplicationFolder(const QString& folder) { applicationFolder_ = folder; }
    // Answers the Save dialog (not owned; null: the QFileDialog).
    void setSaveFileChooser(SaveFileChooser* chooser);

    // Event procedures and commands, each with its own error trap.
    void Form_Load();
    void Form_Activate();
    void ListView1_Click(); // the page switch; any key released in the list runs it too
    void RedrawImage();
    void PushButton1_Click(); // Zoom In
    void PushButton2_Click(); // Zoom Out
    void picture1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void picture1_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, float x,
                            float y);
    void Picture1_MouseUp();
    void PushButton6_Click(); // Save Results To Word File
    void PushButton8_Click(); // < Back
    void Form_QueryUnload();
    void Form_Unload();

    // Procedures without a trap of their own.
    void ResetScrollbars();
    void ChangeZoom(int32_t zoomOut);
    void SetZoom(float factor);
    void SetHScrollbarByPercent(QScrollBar& HScrollbar, int16_t percent);
    void SetVScrollbarByPercent(QScrollBar& VScrollbar, int16_t percent);
    void HScroll1_Change();
    void VScroll1_Change();

    // PreviewWindow: what the generator hands over.
    void clearPages() override;
    void addPage(const QString& text, const QImage& picture) override;
    int pageCount() const override;
    QImage pagePicture(int index) const override;
    void setPicture1(const QImage& picture) override;
    void setWordFile(const QString& path) override;
    void showWindow() override;

    WindowPointer& pointer() { return *pointer_; }

    // The window's state.
    QString mWordFile;          // the temporary document the pages belong to
    bool mFirstActivate = true; // until the first activation has set up page 1
    float mZoom = 1.0f;
    int32_t mOrigWidth = 0; // unscaled page size, twips
    int32_t mOrigHeight = 0;
    int32_t mZoomWidth = 0; // painted page size, twips
    int32_t mZoomHeight = 0;
    int16_t mHScrollStep = 0; // twips per scroll unit: 0, 1 or 10
    int16_t mVScrollStep = 0;
    float mDragX = 0; // last press on the page, in the page's coordinates
    float mDragY = 0;

    // The controls.
    QTreeWidget* ListView1 = nullptr;
    PictureBox* Zoom_Ori = nullptr;
    QGroupBox* Frame1 = nullptr;
    HoverPushButton* PushButton1 = nullptr;
    HoverPushButton* PushButton2 = nullptr;
    PictureBox* Picture2 = nullptr;
    PictureBox* Picture1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    CommonDialog* CommonDialog1 = nullptr;
    HoverPushButton* PushButton6 = nullptr;
    HoverPushButton* PushButton8 = nullptr;
    PictureArray* Image1 = nullptr;

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Runs one numbered step of a procedure: through a trap, or directly.
    using StepRunner = std::function<void(int line, const std::function<void()>& step)>;

    void createControls();
    void connectBehaviour();
    // Shows the page now in Picture1 at zoom 1.0, scrolled to its top left corner.
    void pageSetUp(const StepRunner& run);
    void applyScrollRange(QScrollBar& bar, int16_t& step, int32_t pictureSize,
                          int32_t viewportSize);
    void setScrollbarByPercent(QScrollBar& bar, int16_t percent);

    DataEntryWindow* dataEntry_ = nullptr;
    std::function<void()> endApplication_;
    QString applicationFolder_;
    WindowPointer* pointer_ = nullptr;
};

} // namespace quillory
