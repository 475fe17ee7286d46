#include "PuzzleFile.h"

#include <algorithm>
#include <cerrno>
#include <ios>
#include <string_view>
#include <tuple>
#include <utility>

#include "AtomicFile.h"
#include "Palette.h"
#include "Paths.h"
#include "RegularFile.h"
#include "Rounding.h"
#include "lang/Language.h"
#include "lang/Texts.h"

namespace gw {

namespace {

constexpr std::string_view TitlePrefix = "# Puzzle Title: ";
constexpr std::string_view MadeWith = "# Made with Gridwick Puzzle Maker";
constexpr int EndOfData = -1;

int nextByte(std::streambuf& in)
{
    const auto c = in.sbumpc();
    if (std::streambuf::traits_type::eq_int_type(c, std::streambuf::traits_type::eof()))
        return EndOfData;
    return static_cast<unsigned char>(std::streambuf::traits_type::to_char_type(c));
}

bool isDigit(int c) { return c >= '0' && c <= '9'; }
bool isLineEnd(int c) { return c == '\r' || c == '\n'; }

// Thrown inside the reader when the data cannot give what the header promised.
struct ReadFailure {
    const char* reason;
};

bool atEnd(std::streambuf& in)
{
    return std::streambuf::traits_type::eq_int_type(in.sgetc(), std::streambuf::traits_type::eof());
}

class PixelReader {
public:
    PixelReader(std::streambuf& in, ReaderVariant variant) : m_in(in), m_largest(largestNumber(variant)) { }

    std::int32_t number()
    {
        const std::optional<std::int32_t> value = readNumber(m_in, m_largest);
        if (!value)
            throw ReadFailure {atEnd(m_in) ? "the data ends early" : "a number is too large"};
        return *value;
    }

    int byte()
    {
        const int c = nextByte(m_in);
        if (c == EndOfData)
            throw ReadFailure {"the data ends early"};
        return c;
    }

private:
    std::streambuf& m_in;
    std::int32_t m_largest;
};

// Maps file pixel positions onto cells: scaled and rounded halves to even,
// never beyond the last cell.
class CellMapper {
public:
    CellMapper(std::int32_t fileWidth, std::int32_t fileHeight, int width, int height)
        : m_fileWidth(fileWidth), m_fileHeight(fileHeight), m_width(width), m_height(height)
    { }

    int column(std::int64_t px) const { return scaled(px, m_width, m_fileWidth); }
    int row(std::int64_t py) const { return scaled(py, m_height, m_fileHeight); }

private:
    static int scaled(std::int64_t position, int cells, std::int32_t filePixels)
    {
        if (cells == filePixels)
            return static_cast<int>(position);
        const int cell =
            roundHalfEven(static_cast<double>(cells) * static_cast<double>(position) / static_cast<double>(filePixels));
        return std::min(cell, cells - 1);
    }

    std::int32_t m_fileWidth, m_fileHeight;
    int m_width, m_height;
};

// The maker's reduced size: the longer side becomes 50, the other is scaled
// and rounded halves to even, at least 1.
std::pair<int, int> reducedSize(std::int32_t w, std::int32_t h)
{
    const auto scale = [](std::int32_t side, std::int32_t longer) {
        return std::max(1, roundHalfEven(static_cast<double>(side) * MaxPuzzleSize / static_cast<double>(longer)));
    };
    if (w > h)
        return {MaxPuzzleSize, scale(h, w)};
    return {scale(w, h), MaxPuzzleSize};
}

std::string sizeRefusal(Language language, const Text& before, std::int32_t size, const Text& after)
{
    return chooseText(language, before) + " " + std::to_string(size) + chooseText(language, after);
}

void readColorPixels(Puzzle& p, PixelReader& in, bool plain, std::int32_t w, std::int32_t h, double half,
                     const CellMapper& map)
{
    for (std::int32_t py = 0; py < h; ++py) {
        const int y = map.row(py);
        for (std::int32_t px = 0; px < w; ++px) {
            int bits[3];
            for (int& bit : bits) {
                const double sample = plain ? in.number() : in.byte();
                bit = sample >= half ? 1 : 0;
            }
            p.cell(map.column(px), y) = paletteIndexFromBits(bits[0], bits[1], bits[2]);
        }
    }
}

void readBlackWhitePixels(Puzzle& p, PixelReader& in, bool plain, std::int32_t w, std::int32_t h, const CellMapper& map)
{
    for (std::int32_t py = 0; py < h; ++py) {
        const int y = map.row(py);
        std::int32_t px = 0;
        while (px < w) {
            if (plain) {
                p.cell(map.column(px), y) = in.number() != 0 ? Black : White;
                ++px;
                continue;
            }
            const int packed = in.byte(); // the rest of a row's last byte is padding
            for (int bit = 7; bit >= 0 && px < w; --bit, ++px)
                p.cell(map.column(px), y) = (packed >> bit) & 1 ? Black : White;
        }
    }
}

Message failureMessage(Language language, const Text& text, const std::string& path)
{
    return Message {chooseText(language, text), path, MessageIcon::Critical};
}

std::string commentLine(const Puzzle& p)
{
    if (p.title.empty())
        return std::string(MadeWith) + "\r\n";
    std::string title = p.title;
    std::replace_if(
        title.begin(), title.end(), [](char c) { return isLineEnd(c); }, ' ');
    return std::string(TitlePrefix) + title + "\r\n";
}

std::string sizeText(const Puzzle& p) { return std::to_string(p.width) + " " + std::to_string(p.height); }

// The steps that end every load, whatever happened before: the grid counts
// as unchanged. After a failed read the grid (white or half read) no longer holds the file
// the maker last named, so that file is let go: a later Save then asks for a
// name instead of overwriting it with the grid.
LoadResult finishLoad(Puzzle& p, ReaderVariant variant, LoadResult result)
{
    p.changed = false;
    if (variant == ReaderVariant::Maker
        && (result.status == LoadStatus::NotValid || result.status == LoadStatus::ReadError))
        p.fileName = NoFileName;
    return result;
}

SaveResult saveBytes(Puzzle& p, const std::string& path, const std::string& bytes, Language language)
{
    SaveResult result;
    result.ok = writeFileAtomically(path, bytes, &result.reason);
    if (result.ok)
        p.changed = false;
    else
        result.message = failureMessage(language, txt::ErrorSaving, path);
    return result;
}

} // namespace

std::string fileOpenedStatus(Language language, const std::string& path)
{
    return chooseText(language, txt::FileOpenedBefore) + path + chooseText(language, txt::FileOpenedAfter);
}

std::string fileSavedStatus(Language language, const std::string& path)
{
    return chooseText(language, txt::FileSavedBefore) + path + chooseText(language, txt::FileSavedAfter);
}

std::int32_t largestNumber(ReaderVariant variant) { return variant == ReaderVariant::Player ? 32767 : 2147483647; }

std::optional<std::int32_t> readNumber(std::streambuf& in, std::int32_t largest)
{
    std::int64_t value = 0;
    bool seenDigit = false;
    for (;;) {
        int c = nextByte(in);
        if (c == '#') {
            while (c != EndOfData && !isLineEnd(c = nextByte(in))) { }
            continue; // a comment inside the digits joins the digits around it
        }
        if (isDigit(c)) {
            seenDigit = true;
            value = value * 10 + (c - '0');
            if (value > largest)
                return std::nullopt;
            continue;
        }
        if (c == EndOfData || seenDigit)
            break; // the stopping byte is consumed
    }
    if (!seenDigit)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string titleFromSecondLine(std::streambuf& data)
{
    int c = nextByte(data);
    while (c != EndOfData && !isLineEnd(c))
        c = nextByte(data);
    if (c == EndOfData)
        return std::string();
    if (c == '\r') {
        const auto peek = data.sgetc();
        if (!std::streambuf::traits_type::eq_int_type(peek, std::streambuf::traits_type::eof())
            && std::streambuf::traits_type::to_char_type(peek) == '\n')
            data.sbumpc();
    }
    std::string line;
    while ((c = nextByte(data)) != EndOfData && !isLineEnd(c))
        line += static_cast<char>(c);
    if (line.compare(0, TitlePrefix.size(), TitlePrefix) != 0)
        return std::string();
    return line.substr(TitlePrefix.size());
}

LoadResult readPuzzleData(Puzzle& p, std::streambuf& data, const std::string& path, ReaderVariant variant,
                          Language language)
{
    const bool maker = variant == ReaderVariant::Maker;
    LoadResult result;
    p.cells.fill(White);
    try {
        PixelReader in(data, variant);
        const int m1 = nextByte(data);
        const int m2 = nextByte(data);
        const bool color = m1 == 'P' && (m2 == '3' || m2 == '6');
        const bool blackWhite = m1 == 'P' && (m2 == '1' || m2 == '4');
        if (!color && !blackWhite) {
            result.status = LoadStatus::NotValid;
            result.reason = "it does not start with P1, P3, P4 or P6";
            result.messages.push_back(failureMessage(language, txt::NotValidFile, path));
        } else {
            const bool plain = m2 == '1' || m2 == '3';
            const std::int32_t w = in.number();
            const std::int32_t h = in.number();
            if (w == 0 || h == 0)
                throw ReadFailure {"the width or height is 0"};
            int width = w;
            int height = h;
            if (!maker && (w > MaxPuzzleSize || h > MaxPuzzleSize)) {
                result.status = LoadStatus::TooLarge;
                result.reason = "it is wider or higher than 50";
                result.messages.push_back(
                    w > MaxPuzzleSize
                        ? Message {sizeRefusal(language, txt::BitmapWidthBefore, w, txt::BitmapWidthAfter),
                                   chooseText(language, txt::BitmapTooWideTitle), MessageIcon::Critical}
                        : Message {sizeRefusal(language, txt::BitmapHeightBefore, h, txt::BitmapHeightAfter),
                                   chooseText(language, txt::BitmapTooHighTitle), MessageIcon::Critical});
            } else {
                if (w > MaxPuzzleSize || h > MaxPuzzleSize) {
                    result.messages.push_back(Message {chooseText(language, txt::PuzzleTooLarge),
                                                       chooseText(language, txt::BitmapTooWideTitle),
                                                       MessageIcon::Information});
                    std::tie(width, height) = reducedSize(w, h);
                }
                p.width = static_cast<std::int16_t>(width);
                p.height = static_cast<std::int16_t>(height);
                result.colorFile = color;
                const CellMapper map(w, h, width, height);
                if (color) {
                    const double half = in.number() / 2.0;
                    if (half > 0.5)
                        result.messages.push_back(Message {chooseText(language, txt::TooManyColors),
                                                           chooseText(language, txt::TooManyColorsTitle),
                                                           MessageIcon::Information});
                    p.isColor = true;
                    readColorPixels(p, in, plain, w, h, half, map);
                } else {
                    p.isColor = false;
                    readBlackWhitePixels(p, in, plain, w, h, map);
                }
                if (maker) {
                    const bool rewound = data.pubseekpos(0, std::ios::in) == std::streampos(0);
                    p.title = rewound ? titleFromSecondLine(data) : std::string();
                }
                p.name = puzzleNameFromPath(path);
                p.fileName = path;
                result.status = LoadStatus::Loaded;
            }
        }
    } catch (const ReadFailure& failure) {
        result.status = LoadStatus::ReadError;
        result.reason = failure.reason;
        result.messages.push_back(failureMessage(language, txt::ErrorOpening, path));
    }
    return finishLoad(p, variant, std::move(result));
}

LoadResult readPuzzleFile(Puzzle& p, const std::string& path, ReaderVariant variant, Language language)
{
    LoadResult result;
    if (path.empty()) {
        result.reason = "no file name given";
        return finishLoad(p, variant, std::move(result));
    }
    int error = 0;
    const int fd = openRegularFile(path, error);
    if (fd < 0) {
        result.reason = fileErrorText(error);
        if (meansNoFile(error) || error == EISDIR)
            return finishLoad(p, variant, std::move(result));
        p.cells.fill(White);
        result.status = LoadStatus::ReadError;
        result.messages.push_back(failureMessage(language, txt::ErrorOpening, path));
        return finishLoad(p, variant, std::move(result));
    }
    FileReadBuffer data(fd);
    result = readPuzzleData(p, data, path, variant, language);
    if (data.error() != 0 && !result.loaded()) {
        // The system's reason outweighs what the data then seemed to lack.
        result.status = LoadStatus::ReadError;
        result.messages.back() = failureMessage(language, txt::ErrorOpening, path);
        result.reason = fileErrorText(data.error());
    }
    return result;
}

std::string pbmBytes(const Puzzle& p)
{
    std::string bytes = "P4\r\n" + commentLine(p) + sizeText(p) + "\r";
    for (int y = 0; y < p.height; ++y) {
        unsigned packed = 0;
        int position = 7;
        for (int x = 0; x < p.width; ++x) {
            if (p.cell(x, y) != White)
                packed |= 1u << position;
            if (--position < 0 && x + 1 < p.width) {
                bytes += static_cast<char>(packed);
                packed = 0;
                position = 7;
            }
        }
        bytes += static_cast<char>(packed);
    }
    return bytes;
}

std::string ppmBytes(const Puzzle& p)
{
    std::string bytes = "P6\r\n" + commentLine(p) + sizeText(p) + "\r\n1\r";
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            const PaletteColor& c = Palette[p.cell(x, y) % PaletteSize];
            bytes += static_cast<char>(c.bitR);
            bytes += static_cast<char>(c.bitG);
            bytes += static_cast<char>(c.bitB);
        }
    }
    return bytes;
}

SaveResult savePbm(Puzzle& p, const std::string& path, Language language)
{
    if (p.isColor)
        return savePpm(p, path, language);
    return saveBytes(p, path, pbmBytes(p), language);
}

SaveResult savePpm(Puzzle& p, const std::string& path, Language language)
{
    return saveBytes(p, path, ppmBytes(p), language);
}

} // namespace gw
