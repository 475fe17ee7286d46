#include "platform/QtPlatform.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/FileFilter.h"

namespace gw::platform {

namespace {

QMessageBox::Icon qtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Answer QtMessageBoxes::show(const QString& text, const QString& title, Icon icon, Buttons buttons)
{
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::NoButton, m_parent.data());
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        break;
    }
    // Closing the box with Escape or its close button: the "gentlest" answer.
    return buttons == Buttons::YesNo ? Answer::No : (buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel);
}

FileDialogResult QtFileDialogs::open(const FileDialogRequest& request) { return run(request, false); }
FileDialogResult QtFileDialogs::save(const FileDialogRequest& request) { return run(request, true); }

FileDialogResult QtFileDialogs::run(const FileDialogRequest& request, bool saving)
{
    const QVector<FilterEntry> entries = parseFilter(request.filter);
    const QStringList nameFilters = qtNameFilters(entries);

    QFileDialog dialog(m_parent.data(), request.title);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    // Qt's own dialog speaks the program's language (QtTranslations); a
    // desktop's native dialog would speak the desktop's.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    if (!request.initialFolder.isEmpty() && QFileInfo(request.initialFolder).isDir())
        dialog.setDirectory(request.initialFolder);
    if (!nameFilters.isEmpty()) {
        dialog.setNameFilters(nameFilters);
        const int first = qBound(0, request.filterIndex, int(nameFilters.size()) - 1);
        dialog.selectNameFilter(nameFilters[first]);
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);

    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return result;
    result.accepted = true;
    result.path = dialog.selectedFiles().front();
    result.filterIndex = qMax(0, int(nameFilters.indexOf(dialog.selectedNameFilter())));
    if (saving && result.filterIndex < entries.size() && QFileInfo(result.path).suffix().isEmpty()) {
        const QString suffix = defaultSuffix(entries[result.filterIndex]);
        if (!suffix.isEmpty())
            result.path += QLatin1Char('.') + suffix;
    }
    return result;
}

std::optional<QColor> QtColorDialogs::choose(const QColor& initial)
{
    const QColor chosen =
        QColorDialog::getColor(initial, m_parent.data(), QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

QStringList QtPrinters::printerNames() { return QPrinterInfo::availablePrinterNames(); }

QString QtPrinters::defaultPrinterName() { return QPrinterInfo::defaultPrinterName(); }

QPageLayout QtPrinters::printableArea(const QString& name, QPageLayout::Orientation orientation)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return {};
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageOrientation(orientation);
    // Setting the paper after the orientation makes the driver report the
    // unprintable margins of that orientation as the minimum margins.
    const QPageSize paper = info.defaultPageSize();
    printer.setPageSize(paper.isValid() ? paper : printer.pageLayout().pageSize());
    QPageLayout layout = printer.pageLayout();
    layout.setMargins(layout.minimumMargins());
    return layout;
}

void QtDocuments::open(const QString& pathOrUrl, std::function<void(bool opened)> done)
{
    const QUrl asUrl(pathOrUrl, QUrl::StrictMode);
    const bool isWebAddress = asUrl.isValid() && asUrl.scheme().size() > 1 && !asUrl.isLocalFile();
    QString target = pathOrUrl;
    if (!isWebAddress) {
        const QString path = asUrl.isLocalFile() ? asUrl.toLocalFile() : pathOrUrl;
        if (!QFileInfo(path).isFile()) {
            done(false);
            return;
        }
        target = QFileInfo(path).absoluteFilePath();
    }
    const QUrl url = isWebAddress ? asUrl : QUrl::fromLocalFile(target);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt's desktop services report only that xdg-open started, not whether
    // it found a program for the document.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) {
        if (!m_openers)
            m_openers = std::make_unique<QObject>();
        auto* process = new QProcess(m_openers.get());
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        const auto finish = [process, done](bool opened) {
            process->disconnect();
            process->deleteLater();
            done(opened);
        };
        QObject::connect(process, &QProcess::finished, process, [finish](int code, QProcess::ExitStatus status) {
            finish(status == QProcess::NormalExit && code == 0);
        });
        QObject::connect(process, &QProcess::errorOccurred, process, [finish](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                finish(false);
        });
        process->start(opener, {isWebAddress ? url.toString() : target});
        return;
    }
#endif
    done(QDesktopServices::openUrl(url));
}

QtBusyCursor::~QtBusyCursor() { setBusy(false); }

void QtBusyCursor::setBusy(bool busy)
{
    if (busy == m_busy || !qGuiApp)
        return;
    m_busy = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

QtPlatform::QtPlatform() : m_messages(m_parent), m_files(m_parent), m_colors(m_parent) { }

Platform QtPlatform::platform() { return Platform {m_messages, m_files, m_colors, m_printers, m_documents, m_busy}; }

} // namespace gw::platform
