#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/Palette.h"
#include "lang/Language.h"
#include "lang/Texts.h"

using namespace gw::txt;
using gw::Language;

namespace {

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

// Every key of the table has its three texts, valid UTF-8 and non-empty
// (the About line asking for English mail is Italian only).
TEST(TextTable, EveryKeyHasAllThreeTexts)
{
    for (const auto& entry : allTexts()) {
        for (const char* v : {entry.text->en, entry.text->nl, entry.text->it}) {
            ASSERT_NE(v, nullptr) << entry.name;
            EXPECT_EQ(std::string(v).empty(), std::string(entry.name) == "AboutWriteInEnglish" && v != entry.text->it)
                << entry.name << ": " << v;
            EXPECT_TRUE(isValidUtf8(v)) << entry.name;
        }
    }
    EXPECT_GT(allTexts().size(), 150u);
}

// Spellings the programs have always shown, odd ones included, and messages
// put together from pieces with the run-time values in between.
TEST(Texts, ExactSpellingsAndComposedMessages)
{
    const struct {
        const gw::Text& text;
        Language language;
        const char* expected;
    } spellings[] = {
        {FileOverwrite, Language::Dutch, "Dit bestand bestaal al. Bitmap er overheen schrijven?"},
        {ErrorSaving, Language::Italian, "Errore durante il salvataggio del file."},
        {MenuAbout, Language::Italian, "Notizie Sull\u2019&Autore"},
        {TestWindowComputerTest, Language::Dutch, "&Computertest"},
        {PrintSavePdf, Language::English, "Save as PD&F\u2026"},
        {FilterPdf, Language::Dutch, "PDF-documenten (*.pdf)|*.pdf"},
    };
    for (const auto& s : spellings)
        EXPECT_EQ(gw::chooseText(s.language, s.text), s.expected) << s.expected;
    const std::pair<std::string, const char*> composed[] = {
        {std::string(ConsideringRowBefore.nl) + " 3" + ConsideringRowAfter.nl,
         "De computertest is mogelijkheden voor rij 3 aan het bekijken."},
        {std::string(ConsideringColumnBefore.it) + " 7" + ConsideringColumnAfter.it,
         "Il test del computer sta considerando le possibilit\u00e0 per la colonna 7."},
        {CellStatusBefore.it + std::string("1, 2") + CellStatusMiddle.it + gw::colorName(Language::Italian, gw::Aqua)
             + CellStatusAfter.it,
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
    const std::pair<const char*, const gw::Text*> filters[] = {
        {"FilterOpen", &FilterOpen},     {"FilterOpenPlayer", &FilterOpenPlayer},
        {"FilterSaveBw", &FilterSaveBw}, {"FilterSaveColor", &FilterSaveColor},
        {"FilterImport", &FilterImport}, {"FilterImportPng", &FilterImportPng},
        {"FilterPdf", &FilterPdf}};
    for (const auto& [name, t] : filters) {
        std::vector<std::vector<std::string>> entries(3);
        for (const Language language : gw::allLanguages) {
            std::istringstream in(gw::chooseText(language, *t) + "|");
            for (std::string part; std::getline(in, part, '|');)
                entries[gw::languageIndex(language)].push_back(part);
        }
        ASSERT_EQ(entries[0].size() % 2, 0u) << name << ": description/pattern pairs";
        for (std::size_t lang = 1; lang < 3; ++lang) {
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

TEST(Texts, CaptionsAndColorNames)
{
    int menuItems = 0;
    for (const auto& entry : allTexts()) { // one accelerator per menu item
        const std::string name = entry.name;
        if (name.rfind("Menu", 0) == 0 || name.rfind("PlayerMenu", 0) == 0) {
            ++menuItems;
            for (const std::string v : {entry.text->en, entry.text->nl, entry.text->it})
                EXPECT_EQ(std::count(v.begin(), v.end(), '&'), 1) << name << ": " << v;
        }
    }
    EXPECT_GE(menuItems, 20); // the name filter still finds the menus after a renaming
    for (const gw::Text* t : {&MenuEnglish, &MenuDutch, &MenuItalian}) // never translated
        EXPECT_TRUE(gw::chooseText(Language::Dutch, *t) == t->en && gw::chooseText(Language::Italian, *t) == t->en)
            << t->en;
    for (const gw::Text* t : {&SizeDialogTitle, &NewDialogTitle})
        for (const Language language : gw::allLanguages)
            EXPECT_EQ(gw::chooseText(language, *t)[0], ' ') << gw::chooseText(language, *t);
    EXPECT_EQ(gw::colorName(Language::Dutch, gw::White), "wit");
    EXPECT_EQ(gw::colorName(Language::Italian, gw::Yellow), "gialla");
    EXPECT_EQ(gw::colorName(Language::Dutch, gw::Aqua), "aqua");
    EXPECT_EQ(gw::colorName(Language::English, 8), "");
    EXPECT_EQ(gw::colorName(Language::English, -1), "");
    EXPECT_EQ(gw::colorName(gw::languageFromByte(3), 0), "");
}

// The numbers "lang.ini" stores pick the versions in this order, and any
// other byte, kept as it is, picks none.
TEST(Texts, EachStoredLanguageByteChoosesItsVersion)
{
    const gw::Text text {"en", "nl", "it"};
    const std::pair<std::uint8_t, const char*> cases[] = {{0, "en"}, {1, "nl"}, {2, "it"}, {3, ""}, {255, ""}};
    for (const auto& [byte, expected] : cases) {
        const Language language = gw::languageFromByte(byte);
        EXPECT_EQ(gw::languageByte(language), byte);
        EXPECT_EQ(gw::hasTexts(language), byte < 3) << int(byte);
        EXPECT_EQ(gw::chooseText(language, text), expected) << int(byte);
    }
}
