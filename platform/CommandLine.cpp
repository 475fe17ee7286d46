#include "platform/CommandLine.h"

#include <QApplication>
#include <QCommandLineParser>
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

// The options of both programs, written once for the parser and the help.
struct ProgramOption {
    QStringList names;
    const char* help;
};
const ProgramOption Help {{QStringLiteral("h"), QStringLiteral("help")}, "print this help and exit"};
const ProgramOption Version {{QStringLiteral("v"), QStringLiteral("version")}, "print the version and exit"};
const QString FileOperand = QStringLiteral("FILE");

// What QCommandLineParser found in `arguments` (program name first). A single
// dash starts a long option too, as Qt's own options do ("-platform"), so
// that they are never read as a cluster of one-letter options.
struct ParsedLine {
    QString error;           // empty when the line parsed
    QStringList optionNames; // known options, in the order given
    QStringList unknownOptionNames;
    QStringList positional;
};

ParsedLine parseLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const ProgramOption* option : {&Help, &Version})
        parser.addOption(QCommandLineOption(option->names, QString::fromUtf8(option->help)));
    parser.addPositionalArgument(FileOperand, QString(), QStringLiteral("[FILE]"));
    ParsedLine line;
    if (!parser.parse(arguments))
        line.error = parser.errorText();
    line.optionNames = parser.optionNames();
    line.unknownOptionNames = parser.unknownOptionNames();
    line.positional = parser.positionalArguments();
    line.positional.removeAll(QString()); // an empty argument names no file
    return line;
}

void writeUsageLine(const ProgramDescription& program, std::ostream& out)
{
    out << "Usage: " << program.command << " [OPTION]... [" << FileOperand.toStdString() << "]\n";
}

// "  -h, --help     print this help and exit": the names, padded to one column.
void writeHelpLine(const QString& names, const char* help, std::ostream& out)
{
    out << "  " << names.leftJustified(15).toStdString() << help << '\n';
}

void writeHelp(const ProgramDescription& program, std::ostream& out)
{
    writeUsageLine(program, out);
    out << program.summary << "\n\n";
    writeHelpLine(FileOperand, program.fileHelp, out);
    for (const ProgramOption* option : {&Help, &Version})
        writeHelpLine(QLatin1Char('-') + option->names[0] + QStringLiteral(", --") + option->names[1], option->help,
                      out);
    out << "\nQt's own options, such as -platform NAME, are accepted as well.\n";
}

// The argument the user typed for the unknown option `name` ("--frobnicate"
// for "frobnicate"), as the error message quotes it.
QString typedOption(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QStringLiteral("--"))
            break;
        QString bare = argument.section(QLatin1Char('='), 0, 0);
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (bare == name)
            return argument;
    }
    return QStringLiteral("--") + name;
}

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
    // Qt's own options are unknown here and do not matter yet.
    const ParsedLine line = parseLine(QStringList {QString::fromUtf8(program.command)} + arguments);
    for (const QString& name : line.optionNames) {
        if (Help.names.contains(name)) {
            writeHelp(program, out);
            return 0;
        }
        if (Version.names.contains(name)) {
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
        result.exitStatus = 2;
        return result;
    };
    const ParsedLine line = parseLine(arguments);
    if (!line.unknownOptionNames.isEmpty())
        return usageError(QStringLiteral("unknown option ") + typedOption(arguments, line.unknownOptionNames[0]));
    if (!line.error.isEmpty()) // a value given to an option that takes none
        return usageError(line.error);
    if (line.positional.size() > 1)
        return usageError(QStringLiteral("one file at most, not also ") + line.positional[1]);
    if (!line.positional.isEmpty()) {
        const QString& file = line.positional[0];
        // Not QFileInfo: it would pass the name through the file system's
        // encoding and lose what pathFromBytes kept of a name not in UTF-8.
        result.file =
            QDir::cleanPath(QDir::isAbsolutePath(file) ? file : QDir::currentPath() + QLatin1Char('/') + file);
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
