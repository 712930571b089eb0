#pragma once
// The skin engine of the main window, driven by dispatch identifiers as a late-bound
// control would be. The skin file is a Qt style sheet.
//
// Members:
//   1  Options       32-bit option word (get/put). Bit value 1 asks for the window's own
//                    frame to be skinned as well; the window manager draws frames here, so
//                    the bit is kept but changes nothing visible.
//   2  LoadSkin      method (path, ini section name): reads and checks the skin file.
//   3  ApplyWindow   method (32-bit window handle): styles that window with the skin.
//   5  ApplyColors   boolean (get/put): the skin may change colours.
//   10 ApplyMetrics  boolean (get/put): the skin may change fonts and sizes.
// ApplyWindow applies the sheet when ApplyColors or ApplyMetrics is true. Every failure
// (unreadable or malformed skin, unknown member, unknown window, no skin loaded) throws
// quillory::Error; nothing is applied then.

#include <QString>
#include <QVariant>

namespace quillory {

class SkinFramework {
public:
    static constexpr int kOptions = 1;
    static constexpr int kLoadSkin = 2;
    static constexpr int kApplyWindow = 3;
    static constexpr int kApplyColors = 5;
    static constexpr int kApplyMetrics = 10;

    QVariant get(int dispatchId) const;
    void put(int dispatchId, const QVariant& value);
    QVariant invoke(int dispatchId, const QVariantList& arguments);

    bool isLoaded() const { return loaded_; }
    const QString& styleSheet() const { return styleSheet_; }

private:
    void loadSkin(const QString& path);
    void applyWindow(qint32 handle);

    bool loaded_ = false;
    QString styleSheet_;
    qint32 options_ = 0;
    bool applyColors_ = false;
    bool applyMetrics_ = false;
};

// Empty when `sheet` can be a style sheet (some text, braces balanced outside comments and
// strings); otherwise a readable reason.
QString styleSheetProblem(const QString& sheet);

}  // namespace quillory
