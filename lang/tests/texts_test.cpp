#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/Palette.h"
#include "lang/Texts.h"

using namespace gw::txt;

namespace {

std::string version(const gw::Text& t, int language)
{
    return language == 0 ? t.en : language == 1 ? t.nl : t.it;
}

const gw::Text* find(const std::string& name)
{
    for (const auto& entry : allTexts())
        if (name == entry.name)
            return entry.text;
    return nullptr;
}

bool isValidUtf8(const std::string& s)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        for (int k = 0; k < extra; ++k)
            if (++i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
                return false;
        if (extra < 0)
            return false;
    }
    return true;
}

} // namespace

// Every name is unique and has its three texts, valid UTF-8 and non-empty
// (the About line asking for English mail is Italian only).
TEST(TextRegistry, EveryKeyHasAllThreeTexts)
{
    std::set<std::string> seen;
    for (const auto& entry : allTexts()) {
        EXPECT_TRUE(seen.insert(entry.name).second) << "duplicate name " << entry.name;
        ASSERT_NE(entry.text, nullptr) << entry.name;
        for (const char* v : {entry.text->en, entry.text->nl, entry.text->it}) {
            ASSERT_NE(v, nullptr) << entry.name;
            EXPECT_EQ(std::string(v).empty(), std::string(entry.name) == "AboutWriteInEnglish" && v != entry.text->it)
                << entry.name << ": " << v;
            EXPECT_TRUE(isValidUtf8(v)) << entry.name;
        }
    }
}

// A text added to the header but forgotten in the registry would escape the
// check above; read the header and compare.
TEST(TextRegistry, ListsEveryTextOfTheHeader)
{
    std::ifstream in(std::string(GRIDWICK_SOURCE_DIR) + "/lang/Texts.h");
    ASSERT_TRUE(in) << "cannot read lang/Texts.h";
    const std::string header((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::set<std::string> declared, registered;
    const std::regex decl(R"(inline constexpr (?:const )?Text&? (\w+)(\[(\d+)\])?)");
    for (auto it = std::sregex_iterator(header.begin(), header.end(), decl); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        for (int i = 0; i < (m[2].matched ? std::stoi(m[3]) : 1); ++i)
            declared.insert(m[1].str() + (m[2].matched ? "[" + std::to_string(i) + "]" : ""));
    }
    for (const auto& entry : allTexts())
        registered.insert(entry.name);
    EXPECT_EQ(declared, registered);
    EXPECT_GT(declared.size(), 150u);
}

// Spellings the programs have always shown, odd ones included, and messages
// put together from pieces with the run-time values in between.
TEST(Texts, ExactSpellingsAndComposedMessages)
{
    const struct { const char* name; int language; const char* expected; } spellings[] = {
        {"FileOverwrite", 1, "Dit bestand bestaal al. Bitmap er overheen schrijven?"},
        {"ErrorSaving", 2, "Errore durante il salvataggio del file."},
        {"MenuAbout", 2, "Notizie Sull\u2019&Autore"},
        {"TestWindowComputerTest", 1, "&Computertest"},
        {"PrintSavePdf", 0, "Save as &PDF\u2026"},
        {"FilterPdf", 1, "PDF-documenten (*.pdf)|*.pdf"},
    };
    for (const auto& s : spellings) {
        const gw::Text* t = find(s.name);
        ASSERT_NE(t, nullptr) << s.name;
        EXPECT_EQ(version(*t, s.language), s.expected) << s.name;
    }
    const std::pair<std::string, const char*> composed[] = {
        {std::string(ConsideringRowBefore.nl) + " 3" + ConsideringRowAfter.nl,
         "De computertest is mogelijkheden voor rij 3 aan het bekijken."},
        {std::string(ConsideringColumnBefore.it) + " 7" + ConsideringColumnAfter.it,
         "Il test del computer sta considerando le possibilit\u00e0 per la colonna 7."},
        {CellStatusBefore.it + std::string("1, 2") + CellStatusMiddle.it + gw::colorName(2, gw::Aqua) + CellStatusAfter.it,
         "La casella <1, 2> \u00e8 ora c\u00ecano."},
        {"cat" + std::string(SolutionCaptionSeparator.en) + TheSolution.en, "cat - the solution"},
    };
    for (const auto& [joined, expected] : composed)
        EXPECT_EQ(joined, expected);
}

// Every language offers the same filter entries with the same patterns in the
// same order, so the selected entry index means the same in all three.
TEST(Texts, FiltersHaveTheSameEntriesInEveryLanguage)
{
    for (const char* name : {"FilterOpen", "FilterSaveBw", "FilterSaveColor", "FilterImport", "FilterPdf"}) {
        const gw::Text* t = find(name);
        ASSERT_NE(t, nullptr) << name;
        std::vector<std::vector<std::string>> entries(3);
        for (int lang = 0; lang < 3; ++lang) {
            std::istringstream in(version(*t, lang) + "|");
            for (std::string part; std::getline(in, part, '|');)
                entries[lang].push_back(part);
        }
        ASSERT_EQ(entries[0].size() % 2, 0u) << name << ": description/pattern pairs";
        for (int lang = 1; lang < 3; ++lang) {
            ASSERT_EQ(entries[lang].size(), entries[0].size()) << name << " language " << lang;
            for (std::size_t i = 0; i < entries[0].size(); ++i) {
                EXPECT_FALSE(entries[lang][i].empty()) << name << " entry " << i;
                if (i % 2 == 1) {
                    EXPECT_EQ(entries[lang][i], entries[0][i]) << name << " pattern " << i;
                }
            }
        }
    }
}

TEST(Texts, CaptionsAndColourNames)
{
    for (const auto& entry : allTexts()) { // one accelerator per menu item
        const std::string name = entry.name;
        if (name.rfind("Form1_MM", 0) == 0 || name.rfind("Player_MM", 0) == 0) {
            for (const std::string v : {entry.text->en, entry.text->nl, entry.text->it})
                EXPECT_EQ(std::count(v.begin(), v.end(), '&'), 1) << name << ": " << v;
        }
    }
    for (const gw::Text* t : {&MenuEnglish, &MenuDutch, &MenuItalian}) // never translated
        EXPECT_TRUE(version(*t, 1) == t->en && version(*t, 2) == t->en) << t->en;
    for (const gw::Text* t : {&SizeDialogTitle, &NewDialogTitle})
        for (int lang = 0; lang < 3; ++lang)
            EXPECT_EQ(version(*t, lang)[0], ' ') << version(*t, lang);
    EXPECT_EQ(gw::colorName(1, gw::White), "wit");
    EXPECT_EQ(gw::colorName(2, gw::Yellow), "gialla");
    EXPECT_EQ(gw::colorName(1, gw::Aqua), "aqua");
    EXPECT_EQ(gw::colorName(0, 8), "");
    EXPECT_EQ(gw::colorName(0, -1), "");
    EXPECT_EQ(gw::colorName(3, 0), "");
}
