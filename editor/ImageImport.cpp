#include "editor/ImageImport.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <cerrno>

#include "core/Palette.h"
#include "core/Paths.h"
#include "core/RegularFile.h"
#include "core/Rounding.h"
#include "lang/Language.h"
#include "lang/Texts.h"
#include "platform/FilePaths.h"

namespace gw::editor {

namespace {

// Pictures of up to this many pixels are decoded whole (at most 64 MB as
// 32-bit pixels); larger ones at an eighth of their size where the format can
// (JPEG, in its DCT), so that a 48 MP photo needs a few MB, not 200.
constexpr qint64 WholeDecodePixels = 4096LL * 4096;
constexpr int ReducedDecodeFactor = 8;
// The most a JPEG that is decoded in buffered mode may hold in coefficients
// (see jpegBufferBytes); with the rest of an import the peak stays under 300 MB.
constexpr qint64 BufferedJpegBytes = 224LL << 20;

// The shorter side when the longer one becomes 50 pixels, at least one pixel.
int shorterSideAtFifty(int shorter, int longer) { return std::max(1, roundHalfEven(shorter * 50.0 / longer)); }

Message informationMessage(Language language, const Text& text, const Text& title)
{
    return Message {chooseText(language, text), chooseText(language, title), MessageIcon::Information};
}

// Every import, whatever its outcome, ends with the puzzle counted as unchanged.
void finishImport(Puzzle& puzzle) { puzzle.changed = false; }

// A window on a file that tells whether a decoder asked for bytes past its
// end. Qt's BMP reader returns a whole picture from a truncated file, its
// missing rows never written; Qt's JPEG and GIF readers make up the missing
// part. Neither reports an error, so the import watches for itself. The
// device is unbuffered, so the decoder's own requests are what is seen.
class ReadWatch : public QIODevice {
public:
    explicit ReadWatch(QIODevice& source) : m_source(source) { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }

    void restart() { m_cutShort = m_ranDry = false; }
    // A request got fewer bytes than asked for, but some.
    bool cutShort() const { return m_cutShort; }
    // A request got nothing: the decoder wanted more after the end.
    bool ranDry() const { return m_ranDry; }

    bool isSequential() const override { return false; }
    qint64 size() const override { return m_source.size(); }
    bool seek(qint64 position) override { return QIODevice::seek(position) && m_source.seek(position); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 n = m_source.read(data, maxSize);
        if (n >= 0 && n < maxSize)
            (n == 0 ? m_ranDry : m_cutShort) = true;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice& m_source;
    bool m_cutShort = false;
    bool m_ranDry = false;
};

// The bytes libjpeg holds for a JPEG it must buffer whole before any output
// (a progressive one, or one whose first scan leaves out components): two
// bytes a coefficient for every 8 x 8 block of every component at its
// sampling, whatever the size it is decoded at. A few bytes of file can
// claim 20000 x 20000 pixels and so 2.4 GB. 0 for a JPEG decoded as it
// streams, and for anything that is no JPEG. Leaves `file` at its start.
qint64 jpegBufferBytes(QIODevice& file)
{
    const auto u8 = [](const QByteArray& bytes, int i) { return i < bytes.size() ? int(uchar(bytes[i])) : 0; };
    const auto u16 = [&u8](const QByteArray& bytes, int i) { return u8(bytes, i) << 8 | u8(bytes, i + 1); };
    qint64 result = 0;
    QByteArray frame; // the last SOF segment: precision, height, width, components (id, sampling, table)
    bool progressive = false;
    qint64 position = 2;
    if (file.seek(0) && file.read(2) == QByteArray("\xff\xd8", 2)) {
        for (;;) {
            file.seek(position);
            const QByteArray marker = file.read(4);
            if (marker.size() < 4 || u8(marker, 0) != 0xff)
                break;
            const int kind = u8(marker, 1);
            if (kind == 0xff) { // a fill byte
                ++position;
                continue;
            }
            const int length = u16(marker, 2);
            if (kind >= 0xc0 && kind <= 0xcf && kind != 0xc4 && kind != 0xc8 && kind != 0xcc) {
                frame = file.read(length - 2);
                progressive = (kind & 3) == 2; // C2, C6, CA, CE
            } else if (kind == 0xda) {
                const int components = u8(frame, 5);
                if (!progressive && u8(file.read(1), 0) >= components)
                    break; // every component in the first scan: streamed
                int hMax = 1, vMax = 1;
                for (int c = 0; c < components; ++c) {
                    hMax = std::max(hMax, u8(frame, 7 + 3 * c) >> 4);
                    vMax = std::max(vMax, u8(frame, 7 + 3 * c) & 15);
                }
                const qint64 height = u16(frame, 1), width = u16(frame, 3);
                for (int c = 0; c < components; ++c) {
                    const qint64 h = u8(frame, 7 + 3 * c) >> 4, v = u8(frame, 7 + 3 * c) & 15;
                    result += (width * h / hMax + 7) / 8 * ((height * v / vMax + 7) / 8) * 128;
                }
                break;
            }
            position += 2 + length;
        }
    }
    file.seek(0);
    return result;
}

// The picture in `file` and its full size, decoded whole or (a large picture
// in a format that allows it) at a reduced size; a null picture when it
// cannot be decoded whole: not a picture, too large to decode, or cut short.
std::pair<QImage, QSize> decodePicture(QIODevice& file)
{
    if (jpegBufferBytes(file) > BufferedJpegBytes)
        return {};
    ReadWatch watch(file);
    QImageReader reader(&watch);
    reader.setDecideFormatFromContent(true);
    // A size the header gives without pixels (GIF can say 0 wide and still
    // decode a picture) is no size: the decoded picture's own counts then.
    const QSize header = reader.size();
    const QSize size = header.width() > 0 && header.height() > 0 ? header : QSize();
    const QByteArray format = reader.format();
    const qint64 pixels = size.isValid() ? qint64(size.width()) * size.height() : 0;
    QImage picture;
    if (pixels > WholeDecodePixels && reader.supportsOption(QImageIOHandler::ScaledSize)) {
        reader.setScaledSize(
            QSize(std::max(1, size.width() / ReducedDecodeFactor), std::max(1, size.height() / ReducedDecodeFactor)));
    } else if (pixels > 0 && pixels <= WholeDecodePixels && reader.imageFormat() != QImage::Format_Invalid) {
        // Decoders that fill a picture of the right size and format keep it,
        // so pixels a decoder skips (BMP's run-length "delta" escapes) are 0.
        picture = QImage(size, reader.imageFormat());
        picture.fill(0);
    }
    watch.restart();
    if (!reader.read(&picture) || picture.isNull() || picture.width() < 1 || picture.height() < 1)
        return {};
    // BMP asks for exactly what it needs, JPEG and GIF ask in blocks.
    if (watch.ranDry() || (format == "bmp" && watch.cutShort()))
        return {};
    return {picture, size.isValid() ? size : picture.size()};
}

// importPicture for a picture that may have been decoded at a reduced size:
// `fullSize` is the size of the picture in the file.
ImportResult importDecoded(Puzzle& puzzle, const QImage& picture, QSize fullSize, const QString& name,
                           Language language, const PictureChoices& choices)
{
    ImportResult result;
    // Flatten onto white so that transparent pixels read as the background
    // (a picture without transparency is its own flattened copy).
    QImage working;
    if (picture.hasAlphaChannel()) {
        working = QImage(picture.size(), QImage::Format_RGB32);
        working.fill(Qt::white);
        QPainter painter(&working);
        painter.drawImage(0, 0, picture);
    } else {
        working = picture.convertToFormat(QImage::Format_RGB32);
    }
    const bool sizeChosen = choices.size.isValid() && !choices.size.isEmpty();
    const QSize size = sizeChosen ? choices.size.boundedTo(QSize(MaxPuzzleSize, MaxPuzzleSize))
                                  : importSize(fullSize.width(), fullSize.height());
    if (!sizeChosen && size != fullSize)
        result.messages.push_back(informationMessage(language, txt::ImageTooLarge, txt::BitmapTooWideTitle));
    if (size != working.size())
        working = working.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    convertPixels(puzzle, working, choices);
    // The plain reduction tells when it had to drop shades.
    const auto basic = [](int c) { return c == 0 || c == 255; };
    bool allBasic = true;
    for (int y = 0; y < size.height() && allBasic; ++y) {
        for (int x = 0; x < size.width() && allBasic; ++x) {
            const QRgb color = working.pixel(x, y);
            allBasic = basic(qRed(color)) && basic(qGreen(color)) && basic(qBlue(color));
        }
    }
    if (!allBasic && choices.colors == 0)
        result.messages.push_back(informationMessage(language, txt::TooManyColors, txt::TooManyColorsTitle));

    puzzle.title.clear();
    puzzle.name = platform::pathBytes(name);
    puzzle.fileName = NoFileName;
    finishImport(puzzle);
    result.status = ImportStatus::Imported;
    return result;
}

} // namespace

QSize importSize(int width, int height)
{
    if (width <= MaxPuzzleSize && height <= MaxPuzzleSize)
        return QSize(width, height);
    if (width > height)
        return QSize(MaxPuzzleSize, shorterSideAtFifty(height, width));
    return QSize(shorterSideAtFifty(width, height), MaxPuzzleSize);
}

std::uint8_t paletteIndexOf(QRgb color)
{
    return paletteIndexFromBits(qRed(color) >= 128, qGreen(color) >= 128, qBlue(color) >= 128);
}

ImportResult importPicture(Puzzle& puzzle, const QImage& picture, const QString& name, Language language,
                           const PictureChoices& choices)
{
    return importDecoded(puzzle, picture, picture.size(), name, language, choices);
}

QImage readPicture(const QString& path)
{
    int error = 0;
    const std::unique_ptr<QFile> file = path.isEmpty() ? nullptr : platform::openRegularFile(path, &error);
    return file ? decodePicture(*file).first : QImage();
}

ImportResult importImage(Puzzle& puzzle, const QString& path, Language language, const PictureChoices& choices)
{
    int error = 0;
    const std::unique_ptr<QFile> file = path.isEmpty() ? nullptr : platform::openRegularFile(path, &error);
    if (!file && (path.isEmpty() || meansNoFile(error) || error == EISDIR)) {
        finishImport(puzzle);
        return {};
    }
    const std::string bytes = platform::pathBytes(path);
    const auto [picture, fullSize] = file ? decodePicture(*file) : std::pair<QImage, QSize>();
    if (picture.isNull()) {
        finishImport(puzzle);
        ImportResult failed;
        failed.status = ImportStatus::Failed;
        failed.messages.push_back(Message {chooseText(language, txt::ErrorOpening), bytes, MessageIcon::Critical});
        return failed;
    }
    return importDecoded(puzzle, picture, fullSize, platform::pathFromBytes(puzzleNameFromPath(bytes)), language,
                         choices);
}

} // namespace gw::editor
