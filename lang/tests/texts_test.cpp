#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/Palette.h"
#include "lang/Texts.h"

namespace {

using gw::Text;
using gw::txt::allTexts;

const char* version(const Text& t, int language)
{
    return language == 0 ? t.en : language == 1 ? t.nl : t.it;
}

const Text* find(const std::string& name)
{
    for (const auto& entry : allTexts())
        if (name == entry.name)
            return entry.text;
    return nullptr;
}

std::vector<std::string> split(const std::string& s, char sep)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(s);
    while (std::getline(in, part, sep))
        parts.push_back(part);
    if (!s.empty() && s.back() == sep)
        parts.emplace_back();
    return parts;
}

bool isValidUtf8(const std::string& s)
{
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + extra >= s.size() + (extra == 0 ? 1 : 0))
            return false; // not a lead byte, or the sequence is cut off
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    return true;
}

// Texts that are deliberately empty in some languages.
bool meantToBeEmpty(const std::string& name, int language)
{
    return name == "AboutWriteInEnglish" && language != 2;
}

TEST(TextRegistry, EveryVersionPresentAndNonEmpty)
{
    ASSERT_FALSE(allTexts().empty());
    for (const auto& entry : allTexts()) {
        ASSERT_NE(entry.text, nullptr) << entry.name;
        for (int lang = 0; lang < 3; ++lang) {
            const char* v = version(*entry.text, lang);
            ASSERT_NE(v, nullptr) << entry.name << " language " << lang;
            EXPECT_EQ(std::string(v).empty(), meantToBeEmpty(entry.name, lang))
                << entry.name << " language " << lang;
            EXPECT_TRUE(isValidUtf8(v)) << entry.name << " language " << lang;
        }
    }
}

TEST(TextRegistry, NamesAreUnique)
{
    std::set<std::string> seen;
    for (const auto& entry : allTexts())
        EXPECT_TRUE(seen.insert(entry.name).second) << "duplicate name " << entry.name;
}

// A text added to the header but forgotten in the registry would escape the
// checks above; read the header and compare.
TEST(TextRegistry, ListsEveryTextOfTheHeader)
{
    std::ifstream in(std::string(GRIDWICK_SOURCE_DIR) + "/lang/Texts.h");
    ASSERT_TRUE(in) << "cannot read lang/Texts.h";
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string header = buffer.str();

    std::set<std::string> declared;
    const std::regex decl(R"(inline constexpr (?:const )?Text&? (\w+)(\[(\d+)\])?)");
    for (auto it = std::sregex_iterator(header.begin(), header.end(), decl); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        if (m[2].matched) {
            for (int i = 0; i < std::stoi(m[3]); ++i)
                declared.insert(m[1].str() + "[" + std::to_string(i) + "]");
        } else {
            declared.insert(m[1].str());
        }
    }
    std::set<std::string> registered;
    for (const auto& entry : allTexts())
        registered.insert(entry.name);
    EXPECT_EQ(declared, registered);
    EXPECT_GT(declared.size(), 150u);
}

// ---- Exact spellings the programs have always shown ------------------------

struct Spelling {
    const char* name;
    int language;
    const char* expected;
};

class ExactSpelling : public ::testing::TestWithParam<Spelling> {};

TEST_P(ExactSpelling, MatchesTheTable)
{
    const Spelling& s = GetParam();
    const Text* t = find(s.name);
    ASSERT_NE(t, nullptr) << s.name;
    EXPECT_STREQ(version(*t, s.language), s.expected);
}

INSTANTIATE_TEST_SUITE_P(Lang, ExactSpelling, ::testing::Values(
    Spelling{"FileOverwrite", 1, "Dit bestand bestaal al. Bitmap er overheen schrijven?"},
    Spelling{"ErrorOpening", 0, "An error has occured while opening this file."},
    Spelling{"ErrorSaving", 2, "Errore durante il salvataggio del file."},
    Spelling{"GrootteForm_Title", 0, " Size"},
    Spelling{"GrootteForm_Title", 1, " Grootte"},
    Spelling{"NieuwForm_Title", 2, " Nuovo Puzzle"},
    Spelling{"FooterLine1", 1, " Deze Japanse puzzel is gemaakt met Gridwick Puzzle Maker."},
    Spelling{"FooterLine1", 0, "This Japanese puzzle has been made with Gridwick Puzzle Maker."},
    Spelling{"Form1_MMabout", 2, "Notizie Sull\u2019&Autore"},
    Spelling{"Form1_MMimport", 2, "&Importa un'immagine"},
    Spelling{"ColorNames[7]", 2, "c\u00ecano"},
    Spelling{"ColorNames[7]", 1, "aqua"},
    Spelling{"TestForm_FrameComputertest", 1, "&Computertest"},
    Spelling{"TestForm_FrameComputertest", 0, "Computer Test"},
    Spelling{"NoPrinter", 2, "Nessuna stampante trovata. Non \u00e8 possible stampare i puzzle."},
    Spelling{"BitmapHeightBefore", 2,
             "L\u2019altezza della bitmap non pu\u00f2 superare I 50 pixel. L\u2019altezza di questa bitmap \u00e8 di"},
    Spelling{"BitmapWidthAfter", 1, " pixels breed."},
    Spelling{"BitmapHeightAfter", 1, " pixels hoog."},
    Spelling{"PrintFormX_LabelPreviewSize", 2, "Grandezza dell\u2019anteprima di stampa:"},
    Spelling{"PrintFormX_cmdSavePdf", 0, "Save as &PDF\u2026"},
    Spelling{"FilterPdf", 1, "PDF-documenten (*.pdf)|*.pdf"},
    Spelling{"LanguageChanged", 2, "La lingua \u00e8 ora Italiano."},
    Spelling{"CaptionSuffixMaker", 1, " - Gridwick Puzzle Maker"},
    Spelling{"Form2_chkFouten", 1, "Toon &fouten"},
    Spelling{"Player_MMclose", 2, "&Esci"},
    Spelling{"HelpFile", 1, "helpnl.pdf"}),
    [](const ::testing::TestParamInfo<Spelling>& info) {
        std::string name = std::string(info.param.name) + "_" + "ENI"[info.param.language];
        std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)) && c != '_'; }, '_');
        return name + "_" + std::to_string(info.index);
    });

// ---- Composed messages ------------------------------------------------------

// One piece-by-piece message: pieces joined in order, with the run-time
// values (numbers with their leading blank, colour names) in between.
struct Composition {
    const char* label;
    std::vector<std::string> pieces;
    const char* expected;
};

class ComposedMessage : public ::testing::TestWithParam<Composition> {};

TEST_P(ComposedMessage, JoinsToTheWholeSentence)
{
    std::string joined;
    for (const std::string& piece : GetParam().pieces)
        joined += piece;
    EXPECT_EQ(joined, GetParam().expected);
}

using namespace gw::txt;

INSTANTIATE_TEST_SUITE_P(Lang, ComposedMessage, ::testing::Values(
    Composition{"DutchConsideringRowEndsAfterNumber",
                {ConsideringRowBefore.nl, " 3", ConsideringRowAfter.nl},
                "De computertest is mogelijkheden voor rij 3 aan het bekijken."},
    Composition{"DutchComparingColumnEndsAfterNumber",
                {ComparingColumnBefore.nl, " 12", ComparingColumnAfter.nl},
                "De computertest is mogelijkheden voor kolom 12 aan het vergelijken."},
    Composition{"EnglishComparingRow",
                {ComparingRowBefore.en, " 1", ComparingRowAfter.en},
                "The computer test is comparing possibilities for row 1."},
    Composition{"ItalianConsideringColumn",
                {ConsideringColumnBefore.it, " 7", ConsideringColumnAfter.it},
                "Il test del computer sta considerando le possibilit\u00e0 per la colonna 7."},
    Composition{"EnglishCellStatus",
                {CellStatusBefore.en, "3, 5", CellStatusMiddle.en, gw::ColorName(0, gw::Black), CellStatusAfter.en},
                "Cell <3, 5> is now black."},
    Composition{"ItalianCellStatus",
                {CellStatusBefore.it, "1, 2", CellStatusMiddle.it, gw::ColorName(2, gw::Aqua), CellStatusAfter.it},
                "La casella <1, 2> \u00e8 ora c\u00ecano."},
    Composition{"EnglishWidthLimit",
                {BitmapWidthBefore.en, " 60", BitmapWidthAfter.en},
                "The bitmap's width cannot be more than 50 pixels. This bitmap's width is 60 pixels."},
    Composition{"DutchHeightLimit",
                {BitmapHeightBefore.nl, " 51", BitmapHeightAfter.nl},
                "De bitmap mag niet hoger zijn dan 50 pixels. Deze bitmap is 51 pixels hoog."},
    Composition{"DutchFileSaved",
                {FileSavedBefore.nl, "C:\\p\\cat.pbm", FileSavedAfter.nl},
                "Het bestand C:\\p\\cat.pbm is opgeslagen."},
    Composition{"ItalianFileOpened",
                {FileOpenedBefore.it, "cat.ppm", FileOpenedAfter.it},
                "Il file cat.ppm \u00e8 stato aperto."},
    Composition{"EnglishSolutionCaption",
                {"cat", SolutionCaptionSeparator.en, TheSolution.en},
                "cat - the solution"}),
    [](const ::testing::TestParamInfo<Composition>& info) { return std::string(info.param.label); });

// ---- File-dialog filters ------------------------------------------------

class Filter : public ::testing::TestWithParam<const char*> {};

// Every language offers the same entries with the same patterns in the same
// order, so the selected entry index means the same in all three.
TEST_P(Filter, SameEntriesInEveryLanguage)
{
    const Text* t = find(GetParam());
    ASSERT_NE(t, nullptr);
    const auto en = split(t->en, '|');
    ASSERT_EQ(en.size() % 2, 0u) << "description/pattern pairs";
    for (int lang = 1; lang < 3; ++lang) {
        const auto other = split(version(*t, lang), '|');
        ASSERT_EQ(other.size(), en.size()) << "language " << lang;
        for (size_t i = 0; i < en.size(); ++i) {
            EXPECT_FALSE(other[i].empty()) << "entry " << i << " language " << lang;
            if (i % 2 == 1) {
                EXPECT_EQ(other[i], en[i]) << "pattern " << i << " language " << lang;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lang, Filter,
    ::testing::Values("FilterOpen", "FilterSaveBw", "FilterSaveColor", "FilterImport", "FilterPdf"),
    [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// ---- Captions -----------------------------------------------------------

TEST(Captions, MenuItemsHaveOneAcceleratorInEveryLanguage)
{
    for (const auto& entry : allTexts()) {
        const std::string name = entry.name;
        if (name.rfind("Form1_MM", 0) != 0 && name.rfind("Player_MM", 0) != 0)
            continue;
        for (int lang = 0; lang < 3; ++lang) {
            const std::string v = version(*entry.text, lang);
            EXPECT_EQ(std::count(v.begin(), v.end(), '&'), 1) << name << " language " << lang;
        }
    }
}

TEST(Captions, LanguageMenuKeepsItsCaptionsInEveryLanguage)
{
    for (const Text* t : {&Form1_MMenglish, &Form1_MMnederlands, &Form1_MMitaliano}) {
        EXPECT_STREQ(t->nl, t->en);
        EXPECT_STREQ(t->it, t->en);
    }
    EXPECT_STREQ(Form1_MMnederlands.en, "&Nederlands");
}

TEST(Captions, DialogTitlesBeginWithABlank)
{
    for (const Text* t : {&GrootteForm_Title, &NieuwForm_Title})
        for (int lang = 0; lang < 3; ++lang)
            EXPECT_EQ(version(*t, lang)[0], ' ') << version(*t, lang);
}

// ---- Colour names through the palette ---------------------------------------

struct ColorCase {
    int language;
    int index;
    const char* expected;
};

class ColorNameTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ColorNameTest, ComesFromTheTable)
{
    const ColorCase& c = GetParam();
    EXPECT_EQ(gw::ColorName(static_cast<std::uint8_t>(c.language), c.index), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Lang, ColorNameTest, ::testing::Values(
    ColorCase{0, 0, "black"}, ColorCase{1, 1, "wit"}, ColorCase{2, 2, "rossa"},
    ColorCase{1, 3, "blauw"}, ColorCase{2, 4, "gialla"}, ColorCase{0, 5, "green"},
    ColorCase{2, 6, "magenta"}, ColorCase{2, 7, "c\u00ecano"}, ColorCase{1, 7, "aqua"},
    ColorCase{0, 8, ""}, ColorCase{0, -1, ""}, ColorCase{3, 0, ""}),
    [](const ::testing::TestParamInfo<ColorCase>& info) {
        const int i = info.param.index;
        return "Language" + std::to_string(info.param.language) + "_Index" + (i < 0 ? "Minus" + std::to_string(-i) : std::to_string(i));
    });

} // namespace
