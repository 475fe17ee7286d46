#include "platform/CommandLine.h"

#include <QApplication>
#include <QDir>
#include <QExposeEvent>
#include <QIcon>
#include <QWidget>
#include <QWindow>
#include <iostream>

#include "core/Version.h"
#include "platform/FilePaths.h"

namespace gw::platform {

namespace {

const QString EndOfOptions = QStringLiteral("--");

void writeUsageLine(const ProgramDescription& program, std::ostream& out)
{
    out << "Usage: " << program.command << " [OPTION]... [FILE]\n";
}

void writeHelp(const ProgramDescription& program, std::ostream& out)
{
    writeUsageLine(program, out);
    out << program.summary << "\n\n"
        << "  FILE           a puzzle file (.pbm or .ppm) to open at start\n"
           "  -h, --help     print this help and exit\n"
           "  -v, --version  print the version and exit\n\n"
           "Qt's own options, such as -platform NAME, are accepted as well.\n";
}

bool isOption(const QString& argument) { return argument.size() > 1 && argument.startsWith(QLatin1Char('-')); }

// Watches a window for its first expose, then queues the step and goes.
class FirstExposeWatcher final : public QObject {
public:
    FirstExposeWatcher(QWindow* window, QWidget* context, std::function<void()> step)
        : QObject(window), m_context(context), m_step(std::move(step))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(m_context, std::move(m_step), Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* m_context;
    std::function<void()> m_step;
};

} // namespace

std::optional<int> answerInformationOptions(const QStringList& arguments, const ProgramDescription& program,
                                            std::ostream& out)
{
    for (const QString& argument : arguments) {
        if (argument == EndOfOptions)
            break;
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            writeHelp(program, out);
            return 0;
        }
        if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            out << program.command << " (Gridwick) " << gridwickVersion() << '\n';
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<int> answerInformationOptions(int argc, const char* const* argv, const ProgramDescription& program)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return answerInformationOptions(arguments, program, std::cout);
}

StartArguments readStartArguments(const QStringList& arguments, const ProgramDescription& program, std::ostream& err)
{
    StartArguments result;
    const auto usageError = [&](const QString& problem) {
        err << program.command << ": " << problem.toLocal8Bit().constData() << '\n';
        writeUsageLine(program, err);
        err << "Try '" << program.command << " --help' for more information.\n";
        result.file.clear();
        result.exitStatus = 2;
        return result;
    };
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument.isEmpty())
            continue;
        if (!optionsEnded && argument == EndOfOptions) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && isOption(argument))
            return usageError(QStringLiteral("unknown option ") + argument);
        if (!result.file.isEmpty())
            return usageError(QStringLiteral("one file at most, not also ") + argument);
        // Not QFileInfo: it would pass the name through the file system's
        // encoding and lose what pathFromBytes kept of a name not in UTF-8.
        result.file = QDir::cleanPath(
            QDir::isAbsolutePath(argument) ? argument : QDir::currentPath() + QLatin1Char('/') + argument);
    }
    return result;
}

QStringList argumentsAsPaths(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << pathFromBytes(argv[i]);
    return arguments;
}

void whenFirstExposed(QWidget& window, std::function<void()> step)
{
    window.winId(); // makes sure the window exists
    QWindow* handle = window.windowHandle();
    if (handle->isExposed())
        QMetaObject::invokeMethod(&window, std::move(step), Qt::QueuedConnection);
    else
        new FirstExposeWatcher(handle, &window, std::move(step));
}

void identifyApplication(const ProgramDescription& program)
{
    QApplication::setApplicationName(QString::fromUtf8(program.applicationName));
    QApplication::setApplicationVersion(QString::fromUtf8(gridwickVersion()));
    const QString desktopId = QString::fromUtf8(program.desktopId);
    QGuiApplication::setDesktopFileName(desktopId);
    const QIcon icon = QIcon::fromTheme(desktopId);
    if (!icon.isNull())
        QApplication::setWindowIcon(icon);
}

} // namespace gw::platform
