#include "gui/app/QtFileChooser.h"

#include "gui/app/WidgetText.h"

#include <QFileDialog>
#include <QStringList>

QString qtFileFilter(const std::string& filter)
{
    const QStringList parts = qs(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        if (i + 1 >= parts.size()) {
            filters << description;
            break;
        }
        const QString patterns = "(" + parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ') + ")";
        // Qt reads the patterns from the parentheses that end the name.
        filters << (description.endsWith(patterns) ? description : description + " " + patterns);
    }
    return filters.join(";;");
}

QtFileChooser::QtFileChooser(QWidget* anchor)
    : anchor_(anchor)
{
}

std::optional<std::filesystem::path> QtFileChooser::chooseSaveFile(const Request& request)
{
    return choose(request, true);
}

std::optional<std::filesystem::path> QtFileChooser::chooseOpenFile(const Request& request)
{
    return choose(request, false);
}

std::optional<std::filesystem::path> QtFileChooser::choose(const Request& request, bool save)
{
    QFileDialog dialog(anchor_, qs(request.title));
    // Qt's own dialog everywhere, so the default suffix and the overwrite question behave alike.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(qtFileFilter(request.filter));
    std::string suffix = request.defaultExtension;
    if (!suffix.empty() && suffix.front() == '.')
        suffix.erase(0, 1);
    dialog.setDefaultSuffix(qs(suffix));
    if (!request.initialFolder.empty())
        dialog.setDirectory(qs(request.initialFolder.string()));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().constFirst().toStdString());
}
