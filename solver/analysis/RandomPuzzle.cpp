#include "RandomPuzzle.h"

#include <algorithm>
#include <cctype>

#include "core/Palette.h"

namespace gw::analysis {

namespace {

constexpr char SeedAlphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int SeedLength = 6;

// Crockford's base 32 digit of `c` (either case), or -1.
int seedDigit(char c)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (int i = 0; i < 32; ++i) {
        if (SeedAlphabet[i] == upper)
            return i;
    }
    return -1;
}

// A whole number 0..9999 spelled by all of `text`, or -1.
int readNumber(std::string_view text)
{
    if (text.empty() || text.size() > 4)
        return -1;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Splits off the text before `separator`; false when there is none.
bool takeField(std::string_view& text, char separator, std::string_view& field)
{
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos)
        return false;
    field = text.substr(0, at);
    text.remove_prefix(at + 1);
    return true;
}

int gradeRank(Difficulty grade)
{
    switch (grade) {
    case Difficulty::Easy:
        return 0;
    case Difficulty::Medium:
        return 1;
    case Difficulty::Hard:
        return 2;
    default:
        return 3; // search, ambiguous or undecided: too hard to play
    }
}

// The picture being made, with its mirror lines.
class Canvas {
public:
    Canvas(Puzzle& picture, bool mirrorRows) : m_picture(picture), m_mirrorRows(mirrorRows) { }

    // Paints (x, y) and its mirror images; cells outside stay as they are.
    void paint(int x, int y, std::uint8_t color)
    {
        if (!m_picture.inPuzzle(x, y))
            return;
        const int mirrorX = m_picture.width - 1 - x;
        const int mirrorY = m_picture.height - 1 - y;
        m_picture.cell(x, y) = color;
        m_picture.cell(mirrorX, y) = color;
        if (m_mirrorRows) {
            m_picture.cell(x, mirrorY) = color;
            m_picture.cell(mirrorX, mirrorY) = color;
        }
    }
    // A filled ellipse around (cx, cy) with radii rx, ry >= 0; with `ring`,
    // only its outer band of one cell.
    void ellipse(int cx, int cy, int rx, int ry, std::uint8_t color, bool ring = false)
    {
        for (int dy = -ry; dy <= ry; ++dy) {
            for (int dx = -rx; dx <= rx; ++dx) {
                if (inEllipse(dx, dy, rx, ry) && !(ring && rx > 1 && ry > 1 && inEllipse(dx, dy, rx - 1, ry - 1)))
                    paint(cx + dx, cy + dy, color);
            }
        }
    }
    void rectangle(int x0, int y0, int width, int height, std::uint8_t color)
    {
        for (int y = y0; y < y0 + height; ++y)
            for (int x = x0; x < x0 + width; ++x)
                paint(x, y, color);
    }
    // A walk of `steps` cells from (x, y) in one of eight directions, turning
    // by one eighth now and then, painting a square brush of side 1 or 2.
    void stroke(XorShift64Star& random, int x, int y, int steps, int brush, std::uint8_t color)
    {
        static const int stepX[8] = {1, 1, 0, -1, -1, -1, 0, 1};
        static const int stepY[8] = {0, 1, 1, 1, 0, -1, -1, -1};
        int direction = random.below(8);
        for (int i = 0; i < steps; ++i) {
            rectangle(x, y, brush, brush, color);
            const int turn = random.below(6);
            if (turn == 0)
                direction = (direction + 1) % 8;
            else if (turn == 1)
                direction = (direction + 7) % 8;
            x += stepX[direction];
            y += stepY[direction];
        }
    }

private:
    // Whether cell (dx, dy) from the centre lies in the ellipse of radii
    // rx + 1/2 and ry + 1/2, in whole numbers.
    static bool inEllipse(int dx, int dy, int rx, int ry)
    {
        const long a = 2L * dx * (2 * ry + 1);
        const long b = 2L * dy * (2 * rx + 1);
        const long r = static_cast<long>(2 * rx + 1) * (2 * ry + 1);
        return a * a + b * b <= r * r;
    }

    Puzzle& m_picture;
    bool m_mirrorRows;
};

// Ink k (0 .. colors - 2) as a palette index: black, then red, blue, ...
std::uint8_t ink(int k) { return static_cast<std::uint8_t>(k == 0 ? Black : k + 1); }

std::uint8_t randomInk(XorShift64Star& random, int colors) { return ink(random.below(colors - 1)); }

// One shape of a size that suits the grade: `detail` 0 (easy) to 2 (hard).
void paintShape(Canvas& canvas, XorShift64Star& random, const PuzzleCode& code, int detail)
{
    const int w = code.width, h = code.height;
    const int side = std::min(w, h);
    const int largest = std::max(2, side / (2 + 2 * detail));
    const int x = random.below((w + 1) / 2 + 1); // left half; the mirror does the rest
    const int y = random.below(h);
    const std::uint8_t color = randomInk(random, code.colors);
    const int kind = random.below(detail == 0 ? 4 : 6);
    if (kind <= 1) {
        canvas.ellipse(x, y, random.between(1, largest), random.between(1, largest), color);
    } else if (kind == 2) {
        canvas.rectangle(x, y, random.between(2, largest + 1), random.between(2, largest + 1), color);
    } else if (kind == 3) {
        canvas.ellipse(x, y, random.between(2, largest + 1), random.between(2, largest + 1), color, true);
    } else {
        canvas.stroke(random, x, y, random.between(side / 4 + 2, side / 2 + 3), random.between(1, 2), color);
    }
}

// A small change: one cell, or a short thin stroke, in an ink, in white or
// in the colour of a cell beside it (a region grows or shrinks).
void paintDetail(Canvas& canvas, XorShift64Star& random, const PuzzleCode& code, const Puzzle& picture)
{
    const int x = random.below(code.width);
    const int y = random.below(code.height);
    std::uint8_t color = random.below(3) == 0 ? std::uint8_t {White} : randomInk(random, code.colors);
    if (random.below(2) == 0) {
        const int nx = std::clamp(x + random.between(-1, 1), 0, code.width - 1);
        const int ny = std::clamp(y + random.between(-1, 1), 0, code.height - 1);
        color = picture.cell(nx, ny);
    }
    if (random.below(2) == 0)
        canvas.paint(x, y, color);
    else
        canvas.stroke(random, x, y, random.between(2, 4), 1, color);
}

int inkCells(const Puzzle& picture)
{
    int count = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            count += picture.cell(x, y) != White ? 1 : 0;
    return count;
}

std::uint64_t mix(std::uint64_t value)
{
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

} // namespace

std::string formatPuzzleCode(const PuzzleCode& code)
{
    std::string seed(SeedLength, '0');
    std::uint32_t rest = code.seed;
    for (int i = SeedLength - 1; i >= 0; --i) {
        seed[static_cast<std::size_t>(i)] = SeedAlphabet[rest % 32];
        rest /= 32;
    }
    return std::to_string(code.width) + "x" + std::to_string(code.height) + "-" + std::to_string(code.colors) + "c-"
           + difficultyName(code.grade) + "-" + seed;
}

Difficulty gradeFromName(std::string_view name)
{
    for (const Difficulty grade : {Difficulty::Easy, Difficulty::Medium, Difficulty::Hard}) {
        const std::string_view known = difficultyName(grade);
        if (name.size() == known.size() && std::equal(name.begin(), name.end(), known.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == b;
            }))
            return grade;
    }
    return Difficulty::Unknown;
}

std::optional<PuzzleCode> parsePuzzleCode(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    std::string_view width, height, colors, grade;
    if (!takeField(text, 'x', width) && !takeField(text, 'X', width))
        return std::nullopt;
    if (!takeField(text, '-', height) || !takeField(text, '-', colors) || !takeField(text, '-', grade))
        return std::nullopt;
    if (colors.empty() || (colors.back() != 'c' && colors.back() != 'C'))
        return std::nullopt;
    colors.remove_suffix(1);
    PuzzleCode code;
    code.width = readNumber(width);
    code.height = readNumber(height);
    code.colors = readNumber(colors);
    code.grade = gradeFromName(grade);
    if (code.width < MinRandomPuzzleSize || code.width > MaxPuzzleSize || code.height < MinRandomPuzzleSize
        || code.height > MaxPuzzleSize || code.colors < 2 || code.colors > PaletteSize
        || code.grade == Difficulty::Unknown || text.size() != SeedLength)
        return std::nullopt;
    code.seed = 0;
    for (const char c : text) {
        const int digit = seedDigit(c);
        if (digit < 0)
            return std::nullopt;
        code.seed = code.seed * 32 + static_cast<std::uint32_t>(digit);
    }
    return code;
}

PuzzleCode newPuzzleCode(int width, int height, int colors, Difficulty grade, std::uint64_t entropy)
{
    PuzzleCode code;
    code.width = std::clamp(width, MinRandomPuzzleSize, MaxPuzzleSize);
    code.height = std::clamp(height, MinRandomPuzzleSize, MaxPuzzleSize);
    code.colors = std::clamp(colors, 2, PaletteSize);
    code.grade = gradeRank(grade) < 3 ? grade : Difficulty::Medium;
    code.seed = static_cast<std::uint32_t>(mix(entropy) % PuzzleCodeSeeds);
    return code;
}

GeneratedPuzzle generateRandomPuzzle(const PuzzleCode& code, const std::atomic<bool>* cancel)
{
    GeneratedPuzzle result;
    result.code = formatPuzzleCode(code);
    const int target = gradeRank(code.grade);
    XorShift64Star random(mix(code.seed
                              ^ mix(static_cast<std::uint64_t>(code.width * 64 + code.height) << 8
                                    | static_cast<std::uint64_t>(code.colors * 4 + target))));
    AnalysisOptions options;
    options.gradeDifficulty = true;
    options.maxMilliseconds = 0; // a node budget only: the same answer on every machine
    options.maxNodes = 20000;
    options.clauseLearning = false; // its progress depends on the machine's speed
    options.cancel = cancel;
    auto grade = [&](const Puzzle& picture) {
        ++result.gradings;
        const AnalysisResult analysed = analyzePuzzle(picture, options);
        if (analysed.stop == AnalysisStop::Cancelled)
            return -1;
        return gradeRank(analysed.difficulty);
    };
    const int area = code.width * code.height;
    const int detailSteps = 12 + area / 25;
    while (result.attempts < MaxRandomPuzzleAttempts) {
        ++result.attempts;
        Puzzle picture;
        newPuzzle(picture, static_cast<std::int16_t>(code.width), static_cast<std::int16_t>(code.height),
                  code.colors > 2, Language::English);
        Canvas canvas(picture, random.below(4) == 0);
        // Shapes until about a third to a half of the cells hold ink.
        const int coverage = random.between(30, 50);
        for (int shapes = 0; shapes < 80 && inkCells(picture) * 100 < coverage * area; ++shapes)
            paintShape(canvas, random, code, target);
        int rank = grade(picture);
        std::optional<Puzzle> easier; // the last picture easier than asked
        for (int step = 0; rank != target && step < detailSteps; ++step) {
            if (rank < 0)
                return result;
            if (rank < target)
                easier = picture;
            else if (easier)
                picture = *easier;
            else
                break;
            paintDetail(canvas, random, code, picture);
            rank = grade(picture);
        }
        if (rank < 0)
            return result;
        if (rank == target) {
            picture.title = result.code;
            picture.name = result.code;
            result.picture = picture;
            result.ok = true;
            return result;
        }
    }
    return result;
}

} // namespace gw::analysis
