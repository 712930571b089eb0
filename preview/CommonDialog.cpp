#include "preview/CommonDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>
#include <QWidget>

namespace quillory {

QString QtSaveFileChooser::chooseSaveFile(QWidget* owner, const QString& title,
                                          const QString& filter, const QString& fileName) {
    QFileDialog dialog(owner, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filter.split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    dialog.setDefaultSuffix(QString());
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : QDir::toNativeSeparators(chosen.first());
}

QString qtNameFilters(const QString& commonDialogFilter) {
    const QStringList parts = commonDialogFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1]
                                     .split(QLatin1Char(';'), Qt::SkipEmptyParts)
                                     .replaceInStrings(QStringLiteral(" "), QString())
                                     .join(QLatin1Char(' '));
        if (description.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')')))
            filters << description;
        else
            filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QLatin1Char('\n'));
}

CommonDialog::CommonDialog(QWidget* owner) : QObject(owner), owner_(owner) {
    setObjectName(QStringLiteral("CommonDialog1"));
}

void CommonDialog::ShowSave() {
    QtSaveFileChooser standard;
    SaveFileChooser& chooser = chooser_ ? *chooser_ : standard;
    FileName = chooser.chooseSaveFile(owner_, DialogTitle, qtNameFilters(Filter), FileName);
}

} // namespace quillory
