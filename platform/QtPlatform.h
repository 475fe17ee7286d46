#pragma once
// The Qt implementations of the platform interfaces, used by the programs.
// Tests use the scripted fakes of platform/testing/ instead.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/Platform.h"

namespace gw::platform {

// Dialogs are centred on the parent window given to the bundle (may be null).
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QPointer<QWidget>& parent) : m_parent(parent) { }
    Answer show(const QString& text, const QString& title, Icon icon, Buttons buttons) override;

private:
    QPointer<QWidget>& m_parent;
};

class QtFileDialogs final : public FileDialogs {
public:
    explicit QtFileDialogs(QPointer<QWidget>& parent) : m_parent(parent) { }
    FileDialogResult open(const FileDialogRequest& request) override;
    FileDialogResult save(const FileDialogRequest& request) override;

private:
    FileDialogResult run(const FileDialogRequest& request, bool saving);
    QPointer<QWidget>& m_parent;
};

class QtColorDialogs final : public ColorDialogs {
public:
    explicit QtColorDialogs(QPointer<QWidget>& parent) : m_parent(parent) { }
    std::optional<QColor> choose(const QColor& initial) override;

private:
    QPointer<QWidget>& m_parent;
};

class QtPrinters final : public Printers {
public:
    QStringList printerNames() override;
    QString defaultPrinterName() override;
    // The printer's default paper.
    QPageLayout printableArea(const QString& name, QPageLayout::Orientation orientation) override;
};

class QtDocuments final : public Documents {
public:
    // Web addresses (with a scheme such as https:) go to the browser; anything
    // else is a local file and fails at once when it is not a regular file.
    // On a Unix desktop both are handed to xdg-open, whose exit status tells
    // whether a program took them (it fails when no viewer is installed);
    // elsewhere to the desktop services of Qt.
    void open(const QString& pathOrUrl, std::function<void(bool opened)> done) override;

private:
    // Owns the openers still running; they end with the program at the
    // latest (the viewer an opener started keeps running).
    std::unique_ptr<QObject> m_openers;
};

class QtBusyCursor final : public BusyCursor {
public:
    ~QtBusyCursor() override;
    void setBusy(bool busy) override;

private:
    bool m_busy = false;
};

// Owns one of each service; platform() hands out the bundle. Create it after
// the QApplication and keep it alive as long as the windows that use it.
class QtPlatform {
public:
    QtPlatform();
    void setParentWindow(QWidget* parent) { m_parent = parent; }
    Platform platform();

private:
    QPointer<QWidget> m_parent;
    QtMessageBoxes m_messages;
    QtFileDialogs m_files;
    QtColorDialogs m_colors;
    QtPrinters m_printers;
    QtDocuments m_documents;
    QtBusyCursor m_busy;
};

} // namespace gw::platform
