#pragma once
// Our thin layer over the desktop: every modal dialog, the printer list,
// opening documents and the busy cursor go through these small interfaces.
// The programs get the Qt implementations; tests get scripted fakes that
// record every request and answer it without blocking.
#include <QColor>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/Message.h"

namespace gw::platform {

using Icon = gw::MessageIcon;

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal message and returns the button pressed.
    virtual Answer show(const QString& text, const QString& title, Icon icon, Buttons buttons) = 0;
};

struct FileDialogRequest {
    QString title;
    // "|"-separated description/pattern pairs, as in
    // "Color Bitmaps (*.ppm)|*.ppm|All Files (*.*)|*.*".
    QString filter;
    QString initialFolder;
    QString fileName;    // preset file name (save dialog), may be empty
    int filterIndex = 0; // entry selected at first, 0-based
};

struct FileDialogResult {
    bool accepted = false;
    QString path;
    int filterIndex = 0; // entry chosen, 0-based
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual FileDialogResult open(const FileDialogRequest& request) = 0;
    // Never asks about overwriting: the program asks its own question.
    virtual FileDialogResult save(const FileDialogRequest& request) = 0;
};

class ColorDialogs {
public:
    virtual ~ColorDialogs() = default;
    // The chosen colour, or nothing when cancelled.
    virtual std::optional<QColor> choose(const QColor& initial) = 0;
};

class Printers {
public:
    virtual ~Printers() = default;
    virtual QStringList printerNames() = 0;
    // Empty when no printer is installed.
    virtual QString defaultPrinterName() = 0;
    // The paper of printer `name` in `orientation`, its margins (points) the
    // parts the driver reports it cannot print on, so that the paint area is
    // the printer's whole printable area. Invalid for an unknown printer.
    virtual QPageLayout printableArea(const QString& name, QPageLayout::Orientation orientation) = 0;
};

class Documents {
public:
    virtual ~Documents() = default;
    // Opens a file path or web address with its default application. `done`
    // runs once with the outcome (false: it could not be opened), either at
    // once or, where the desktop's opener only tells by its exit status,
    // when that has ended.
    virtual void open(const QString& pathOrUrl, std::function<void(bool opened)> done) = 0;
};

class BusyCursor {
public:
    virtual ~BusyCursor() = default;
    virtual void setBusy(bool busy) = 0;
};

// Shows the busy cursor for as long as it lives, also when the work throws.
class BusyScope {
public:
    explicit BusyScope(BusyCursor& cursor) : m_cursor(cursor) { m_cursor.setBusy(true); }
    ~BusyScope() { m_cursor.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyCursor& m_cursor;
};

// The bundle each window is given. It does not own the services.
struct Platform {
    MessageBoxes& messages;
    FileDialogs& files;
    ColorDialogs& colors;
    Printers& printers;
    Documents& documents;
    BusyCursor& busy;
};

} // namespace gw::platform
