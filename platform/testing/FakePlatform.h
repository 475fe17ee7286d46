#pragma once
// Scripted fakes of the platform interfaces for tests. Each fake records
// every request (text, title, icon, buttons; filters and folders) and answers
// from a queue the test fills beforehand. A request that finds its queue
// empty fails the running QtTest function with a description of the request,
// so no test can block on a dialog nobody scripted.
#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/Platform.h"

namespace gw::platform::testing {

struct MessageRequest {
    QString text;
    QString title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

class ScriptedMessageBoxes final : public MessageBoxes {
public:
    // Queues the answer of the next message box.
    void answer(Answer a) { m_answers << a; }
    Answer show(const QString& text, const QString& title, Icon icon, Buttons buttons) override;

    const QList<MessageRequest>& requests() const { return m_requests; }
    // Texts of all messages shown so far, in order.
    QStringList texts() const;
    int unanswered() const { return int(m_answers.size()); }
    void clear()
    {
        m_requests.clear();
        m_answers.clear();
    }

private:
    QList<MessageRequest> m_requests;
    QList<Answer> m_answers;
};

enum class DialogKind { Open, Save };

struct FileRequest {
    DialogKind kind = DialogKind::Open;
    FileDialogRequest request;
};

class ScriptedFileDialogs final : public FileDialogs {
public:
    // Queue the answer of the next open or save dialog.
    void answerOpen(const QString& path, int filterIndex = 0);
    void answerSave(const QString& path, int filterIndex = 0);
    void answerCancel(DialogKind kind);

    FileDialogResult open(const FileDialogRequest& request) override;
    FileDialogResult save(const FileDialogRequest& request) override;

    const QList<FileRequest>& requests() const { return m_requests; }
    int unanswered() const { return int(m_answers.size()); }
    void clear()
    {
        m_requests.clear();
        m_answers.clear();
    }

private:
    struct Scripted {
        DialogKind kind;
        FileDialogResult result;
    };
    FileDialogResult next(DialogKind kind, const FileDialogRequest& request);
    QList<FileRequest> m_requests;
    QList<Scripted> m_answers;
};

class ScriptedColorDialogs final : public ColorDialogs {
public:
    void answer(std::optional<QColor> color) { m_answers << color; }
    std::optional<QColor> choose(const QColor& initial) override;
    const QList<QColor>& requests() const { return m_requests; }
    int unanswered() const { return int(m_answers.size()); }

private:
    QList<QColor> m_requests;
    QList<std::optional<QColor>> m_answers;
};

// Printers the test installs; none by default. Every one prints on the same
// paper, A4 unless told otherwise, with the given unprintable margins (points,
// as seen in the orientation asked for; none unless told otherwise).
class FakePrinters final : public Printers {
public:
    void install(const QStringList& names, const QString& defaultName)
    {
        m_names = names;
        m_default = defaultName;
    }
    void setPaper(const QPageSize& paper, const QMarginsF& unprintable)
    {
        m_paper = paper;
        m_unprintable = unprintable;
    }
    QStringList printerNames() override { return m_names; }
    QString defaultPrinterName() override { return m_default; }
    QPageLayout printableArea(const QString& name, QPageLayout::Orientation orientation) override
    {
        if (!m_names.contains(name))
            return {};
        return QPageLayout(m_paper, orientation, m_unprintable, QPageLayout::Point, m_unprintable);
    }

private:
    QStringList m_names;
    QString m_default;
    QPageSize m_paper {QPageSize::A4};
    QMarginsF m_unprintable;
};

// Records what was opened. Succeeds for web addresses and for files that
// exist, unless told to fail everything.
class FakeDocuments final : public Documents {
public:
    void failAll(bool fail) { m_failAll = fail; }
    // Answers at once.
    void open(const QString& pathOrUrl, std::function<void(bool opened)> done) override;
    const QStringList& opened() const { return m_opened; }

private:
    bool m_failAll = false;
    QStringList m_opened;
};

class FakeBusyCursor final : public BusyCursor {
public:
    void setBusy(bool busy) override;
    bool busy() const { return m_busy; }
    int timesShown() const { return m_shown; }

private:
    bool m_busy = false;
    int m_shown = 0;
};

// One of each fake and the bundle that hands them to a window.
struct FakePlatform {
    ScriptedMessageBoxes messages;
    ScriptedFileDialogs files;
    ScriptedColorDialogs colors;
    FakePrinters printers;
    FakeDocuments documents;
    FakeBusyCursor busy;

    Platform platform() { return Platform {messages, files, colors, printers, documents, busy}; }
    // True when every scripted answer was used; reports the leftovers otherwise.
    bool allAnswered() const;
};

// Installs a Qt message handler that drops exactly the offscreen platform's
// "This plugin does not support propagateSizeHints()" line and passes every
// other message to the previous handler. Call once from main or initTestCase.
void filterOffscreenNoise();

} // namespace gw::platform::testing
