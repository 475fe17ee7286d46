#include "platform/testing/FakePlatform.h"

#include <QFileInfo>
#include <QTest>
#include <QUrl>

namespace gw::platform::testing {

namespace {

const char* iconName(Icon icon)
{
    switch (icon) {
    case Icon::None:
        return "none";
    case Icon::Information:
        return "information";
    case Icon::Critical:
        return "critical";
    case Icon::Question:
        return "question";
    case Icon::Exclamation:
        return "exclamation";
    }
    return "?";
}

const char* buttonsName(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return "Ok";
    case Buttons::OkCancel:
        return "OkCancel";
    case Buttons::YesNo:
        return "YesNo";
    case Buttons::YesNoCancel:
        return "YesNoCancel";
    }
    return "?";
}

// Marks the running test function failed; the test goes on with a harmless
// answer so that the report names every unexpected dialog.
void failUnscripted(const QString& what)
{
    const QByteArray message = ("Unscripted dialog: " + what).toUtf8();
    QTest::qFail(message.constData(), __FILE__, __LINE__);
}

} // namespace

Answer ScriptedMessageBoxes::show(const QString& text, const QString& title, Icon icon, Buttons buttons)
{
    m_requests << MessageRequest {text, title, icon, buttons};
    if (m_answers.isEmpty()) {
        failUnscripted(QStringLiteral("message box \"%1\" (title \"%2\", icon %3, buttons %4)")
                           .arg(text, title, QLatin1String(iconName(icon)), QLatin1String(buttonsName(buttons))));
        return buttons == Buttons::Ok ? Answer::Ok : (buttons == Buttons::YesNo ? Answer::No : Answer::Cancel);
    }
    return m_answers.takeFirst();
}

QStringList ScriptedMessageBoxes::texts() const
{
    QStringList list;
    for (const MessageRequest& r : m_requests)
        list << r.text;
    return list;
}

void ScriptedFileDialogs::answerOpen(const QString& path, int filterIndex)
{
    m_answers << Scripted {DialogKind::Open, FileDialogResult {true, path, filterIndex}};
}

void ScriptedFileDialogs::answerSave(const QString& path, int filterIndex)
{
    m_answers << Scripted {DialogKind::Save, FileDialogResult {true, path, filterIndex}};
}

void ScriptedFileDialogs::answerCancel(DialogKind kind) { m_answers << Scripted {kind, FileDialogResult {}}; }

FileDialogResult ScriptedFileDialogs::open(const FileDialogRequest& request) { return next(DialogKind::Open, request); }
FileDialogResult ScriptedFileDialogs::save(const FileDialogRequest& request) { return next(DialogKind::Save, request); }

FileDialogResult ScriptedFileDialogs::next(DialogKind kind, const FileDialogRequest& request)
{
    m_requests << FileRequest {kind, request};
    const QString what = QStringLiteral("%1 dialog (filter \"%2\", folder \"%3\", file \"%4\")")
                             .arg(kind == DialogKind::Open ? QStringLiteral("open") : QStringLiteral("save"),
                                  request.filter, request.initialFolder, request.fileName);
    if (m_answers.isEmpty()) {
        failUnscripted(what);
        return {};
    }
    const Scripted scripted = m_answers.takeFirst();
    if (scripted.kind != kind) {
        failUnscripted(what + QStringLiteral(" where the script expected the other kind"));
        return {};
    }
    return scripted.result;
}

std::optional<QColor> ScriptedColorDialogs::choose(const QColor& initial)
{
    m_requests << initial;
    if (m_answers.isEmpty()) {
        failUnscripted(QStringLiteral("colour dialog starting at %1").arg(initial.name()));
        return std::nullopt;
    }
    return m_answers.takeFirst();
}

void FakeDocuments::open(const QString& pathOrUrl, std::function<void(bool opened)> done)
{
    m_opened << pathOrUrl;
    const QUrl url(pathOrUrl, QUrl::StrictMode);
    const bool webAddress = url.isValid() && url.scheme().size() > 1 && !url.isLocalFile();
    done(!m_failAll && (webAddress || QFileInfo(pathOrUrl).isFile()));
}

void FakeBusyCursor::setBusy(bool busy)
{
    if (busy && !m_busy)
        ++m_shown;
    m_busy = busy;
}

bool FakePlatform::allAnswered() const
{
    if (messages.unanswered() + files.unanswered() + colors.unanswered() == 0)
        return true;
    qWarning("Scripted answers left over: %d message box(es), %d file dialog(s), %d colour dialog(s)",
             messages.unanswered(), files.unanswered(), colors.unanswered());
    return false;
}

namespace {
QtMessageHandler previousHandler = nullptr;

void dropPropagateSizeHints(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}
} // namespace

void filterOffscreenNoise()
{
    QtMessageHandler old = qInstallMessageHandler(dropPropagateSizeHints);
    if (old != dropPropagateSizeHints)
        previousHandler = old;
}

} // namespace gw::platform::testing
