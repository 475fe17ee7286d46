#include "platform/FilePaths.h"

#include <QFile>

#include <unistd.h>

#include <cerrno>

#include "core/Paths.h"
#include "core/RegularFile.h"

namespace gw::platform {

namespace {

constexpr char16_t EscapedByteBase = 0xdc00; // U+DC80..U+DCFF stand for the bytes 0x80..0xFF

bool isEscapedByte(QChar c) { return c.unicode() >= EscapedByteBase + 0x80 && c.unicode() <= EscapedByteBase + 0xff; }

// `bytes` decoded piece by piece: each run of well-formed UTF-8 by
// `decodeRun`, each other byte by `otherByte`.
template <typename DecodeRun, typename OtherByte>
QString decodeBytes(const std::string& bytes, DecodeRun decodeRun, OtherByte otherByte)
{
    QString result;
    std::string_view rest(bytes);
    while (!rest.empty()) {
        std::size_t run = 0;
        for (std::size_t length; run < rest.size() && (length = utf8SequenceLength(rest.substr(run))) > 0;)
            run += length;
        if (run > 0) {
            result += decodeRun(QByteArray(rest.data(), static_cast<qsizetype>(run)));
            rest.remove_prefix(run);
        } else {
            result += otherByte(static_cast<unsigned char>(rest[0]));
            rest.remove_prefix(1);
        }
    }
    return result;
}

} // namespace

std::string pathBytes(const QString& path)
{
    std::string result;
    qsizetype start = 0;
    const auto flush = [&](qsizetype end) {
        const QByteArray encoded = QFile::encodeName(path.mid(start, end - start));
        result.append(encoded.constData(), static_cast<std::size_t>(encoded.size()));
    };
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (!isEscapedByte(path[i]))
            continue;
        flush(i);
        result += static_cast<char>(path[i].unicode() - EscapedByteBase);
        start = i + 1;
    }
    flush(path.size());
    return result;
}

QString pathFromBytes(const std::string& bytes)
{
    return decodeBytes(
        bytes, [](const QByteArray& run) { return QFile::decodeName(run); },
        [](unsigned char byte) { return QChar(char16_t(EscapedByteBase + byte)); });
}

QString displayText(const std::string& bytes)
{
    return decodeBytes(
        bytes, [](const QByteArray& run) { return QString::fromUtf8(run); },
        [](unsigned char byte) { return QChar(char16_t(byte)); });
}

QString displayPath(const QString& path) { return displayText(pathBytes(path)); }

std::unique_ptr<QFile> openRegularFile(const QString& path, int* error)
{
    int code = 0;
    const int fd = gw::openRegularFile(pathBytes(path), code);
    if (error)
        *error = code;
    if (fd < 0)
        return nullptr;
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (error)
            *error = EBADF;
        return nullptr;
    }
    return file;
}

} // namespace gw::platform
