#pragma once
// Every user-visible text of the maker and the player, in English, Dutch and
// Italian. Pick a version with ChooseText (core/Palette.h). The spellings are
// the programs' own and are kept exactly, odd ones included.
//
// Composed messages are split into pieces; the comment above each group tells
// how the pieces are joined. "n" stands for a number written with one leading
// blank (the sign position of a non-negative number).

#include "lang/Text.h"

namespace gw::txt {

// ---- Files: opening, saving, reading errors -------------------------------

inline constexpr Text ErrorOpening{
    "An error has occured while opening this file.",
    "Er is een fout opgetreden bij het openen van dit bestand.",
    "Errore all'apertura del file."};
inline constexpr Text ErrorSaving{
    "An error has occured while saving this file.",
    "Er is een fout opgetreden bij het opslaan van dit bestand.",
    "Errore durante il salvataggio del file."};
inline constexpr Text NotValidFile{
    "This is not a valid PBM- or PPM-file.",
    "Dit is geen geldig PBM- of PPM-bestand.",
    "File PBM o PPM non valido."};
inline constexpr Text PuzzleTooLarge{
    "This puzzle is too large. Its size will therefore be reduced, which may affect the quality.",
    "Deze puzzel is te groot en zal daarom worden verkleind. De kwaliteit kan hierdoor slechter worden.",
    "Questo puzzle \u00e8 troppo grande. La grandezza sar\u00e0 ridotta a scapito della qualit\u00e0."};
inline constexpr Text ImageTooLarge{
    "This image is too large. Its size will therefore be reduced, which may affect the quality.",
    "Deze afbeelding is te groot en zal daarom worden verkleind. De kwaliteit kan hierdoor slechter worden.",
    "Quest'immagine \u00e8 troppo grande. La grandezza sar\u00e0 ridotta a scapito della qualit\u00e0."};
inline constexpr Text BitmapTooWideTitle{"Bitmap too wide", "Bitmap te breed", "Bitmap troppo larga"};
inline constexpr Text BitmapTooHighTitle{"Bitmap too high", "Bitmap te hoog", "Bitmap troppo alta"};
inline constexpr Text TooManyColors{
    "This bitmap contains more than 8 colors. The colors will be compressed. If you save the bitmap, only 8 colors will be saved.",
    "Deze bitmap bevat meer dan 8 kleuren. De kleuren zullen worden gecompresseerd. Als u de bitmap bewaart, zullen slechts 8 kleuren worden bewaard.",
    "Questa bitmap contiene pi\u00f9 di 8 colori. I colori saranno compressi. Durante il salvataggio della bitmap solo 8 colori saranno salvati."};
inline constexpr Text TooManyColorsTitle{
    "Bitmap too many colors", "Bitmap te veel kleuren", "Bitmap con troppi colori"};

// Player's size limit: BitmapWidthBefore + n + BitmapWidthAfter (title
// BitmapTooWideTitle), BitmapHeightBefore + n + BitmapHeightAfter (title
// BitmapTooHighTitle). The Dutch endings name the side ("breed" / "hoog").
inline constexpr Text BitmapWidthBefore{
    "The bitmap's width cannot be more than 50 pixels. This bitmap's width is",
    "De bitmap mag niet breder zijn dan 50 pixels. Deze bitmap is",
    "La larghezza della bitmap non pu\u00f2 superare I 50 pixel. La larghezza di questa bitmap \u00e8 di"};
inline constexpr Text BitmapWidthAfter{" pixels.", " pixels breed.", " pixels."};
inline constexpr Text BitmapHeightBefore{
    "The bitmap's height cannot be more than 50 pixels. This bitmap's height is",
    "De bitmap mag niet hoger zijn dan 50 pixels. Deze bitmap is",
    "L\u2019altezza della bitmap non pu\u00f2 superare I 50 pixel. L\u2019altezza di questa bitmap \u00e8 di"};
inline constexpr Text BitmapHeightAfter{" pixels.", " pixels hoog.", " pixels."};

// Status line after open/import: FileOpenedBefore + path + FileOpenedAfter.
inline constexpr Text FileOpenedBefore{"The file ", "Het bestand ", "Il file "};
inline constexpr Text FileOpenedAfter{" has been opened.", " is geopend.", " \u00e8 stato aperto."};
// Status line after saving: FileSavedBefore + path + FileSavedAfter.
inline constexpr Text FileSavedBefore{"The file ", "Het bestand ", "Il file "};
inline constexpr Text FileSavedAfter{" has been saved.", " is opgeslagen.", " \u00e8 stato salvato."};

// Save as: the chosen file exists (title: the chosen path).
inline constexpr Text FileOverwrite{
    "This file already exists. Overwrite?",
    "Dit bestand bestaal al. Bitmap er overheen schrijven?",
    "Questo file gi\u00e0 esiste. Sovrascrivere?"};

// Name of a puzzle that has no file yet.
inline constexpr Text NoTitle{"No Title", "Naamloos", "Nessun titolo"};

// ---- Maker start, new puzzle, exit ----------------------------------------

// First run (no lang.ini); title ProductMaker.
inline constexpr Text ThanksForInstalling{
    "Thanks for installing Gridwick Puzzle Maker. I recommend you to read the help file before using this program, so you know what exactly you can do with it.",
    "Bedankt voor het installeren van Gridwick Puzzle Maker. Ik raad u aan het helpbestand te lezen voordat u dit programma gebruikt, zodat u weet wat u er precies mee kunt doen.",
    "Grazie per aver installato Gridwick Puzzle Maker. Ti consiglio di leggere il file di help prima di usare questo programma, cos\u00ec saprai esattamente cosa puoi fare."};
inline constexpr Text Welcome{
    "Welcome to Gridwick Puzzle Maker, the program to create Japanese Puzzles.",
    "Welkom bij Gridwick Puzzle Maker, het programma om Japanse Puzzels te maken.",
    "Benvenuto in Gridwick Puzzle Maker, il programma per creare Puzzle Giapponesi."};
// Title ProductMaker.
inline constexpr Text NoPrinter{
    "No printer found. You cannot print puzzles.",
    "Geen printer gevonden. U kunt geen puzzels printen.",
    "Nessuna stampante trovata. Non \u00e8 possible stampare i puzzle."};
inline constexpr Text FirstSave{
    "First save the current puzzle?",
    "De huidige puzzel eerst opslaan?",
    "Vuoi salvare prima il puzzle corrente?"};
inline constexpr Text FirstSaveTitle{"First save?", "Eerst opslaan?", "Vuoi salvare prima?"};
inline constexpr Text ByeBye{"Bye bye!", "Tot ziens!", "Ciao ciao!"};
inline constexpr Text NewColorPuzzle{
    "A new color puzzle has been created...",
    "Een nieuwe gekleurde puzzel is aangemaakt...",
    "Un nuovo puzzle a colori \u00e8 stato creato..."};
inline constexpr Text NewBwPuzzle{
    "A new black and white puzzle has been created...",
    "Een nieuwe zwartwitte puzzel is aangemaakt...",
    "Un nuovo puzzle in bianco e nero \u00e8 stato creato..."};

// ---- File-dialog filters ("|"-separated description and pattern pairs) ----

// Open puzzle (maker and player).
inline constexpr Text FilterOpen{
    "All Known Bitmaps (*.pbm;*.ppm)|*.pbm;*.ppm|Black And White Bitmaps (*.pbm)|*.pbm|Color Bitmaps (*.ppm)|*.ppm|All Files (*.*)|*.*",
    "Alle Bekende Bitmaps (*.pbm;*.ppm)|*.pbm;*.ppm|Zwartwitte Bitmaps (*.pbm)|*.pbm|Gekleurde Bitmaps (*.ppm)|*.ppm|Alle Bestanden (*.*)|*.*",
    "Tutti i files bitmaps riconosciuti (*.pbm;*.ppm)|*.pbm;*.ppm|Bitmaps in bianco e nero (*.pbm)|*.pbm|Bitmaps a colori (*.ppm)|*.ppm|Tutti i files (*.*)|*.*"};
// Save a black-and-white puzzle; the second entry turns it into a colour puzzle.
inline constexpr Text FilterSaveBw{
    "Black And White Bitmaps (*.pbm)|*.pbm|Color Bitmaps (*.ppm)|*.ppm|All Files (*.*)|*.*",
    "Zwartwitte Bitmaps (*.pbm)|*.pbm|Gekleurde Bitmaps (*.ppm)|*.ppm|Alle Bestanden (*.*)|*.*",
    "Bitmaps in bianco e nero (*.pbm)|*.pbm|Bitmaps a colori (*.ppm)|*.ppm|Tutti i files (*.*)|*.*"};
// Save a colour puzzle.
inline constexpr Text FilterSaveColor{
    "Color Bitmaps (*.ppm)|*.ppm|All Files (*.*)|*.*",
    "Gekleurde Bitmaps (*.ppm)|*.ppm|Alle Bestanden (*.*)|*.*",
    "Bitmaps a colori (*.ppm)|*.ppm|Tutti i files (*.*)|*.*"};
// Import a picture.
inline constexpr Text FilterImport{
    "All Images (*.bmp;*.gif;*.jpg;*.ico;*.cur)|*.bmp;*.gif;*.jpg;*.jpeg;*.ico;*.cur|Windows Bitmaps (*.bmp)|*.bmp|GIF Images (*.gif)|*.gif|Jpeg Images (*.jpg)|*.jpg;*.jpeg|Icons (*.ico;*.cur)|*.ico;*.cur|All Files (*.*)|*.*",
    "Alle Afbeeldingen (*.bmp;*.gif;*.jpg;*.ico;*.cur)|*.bmp;*.gif;*.jpg;*.jpeg;*.ico;*.cur|Windows Bitmaps (*.bmp)|*.bmp|GIF Afbeeldingen (*.gif)|*.gif|Jpeg Afbeeldingen (*.jpg)|*.jpg;*.jpeg|Pictogrammen (*.ico;*.cur)|*.ico;*.cur|Alle Bestanden (*.*)|*.*",
    "Tutte le immagini (*.bmp;*.gif;*.jpg;*.ico;*.cur)|*.bmp;*.gif;*.jpg;*.jpeg;*.ico;*.cur|Windows Bitmaps (*.bmp)|*.bmp|Immagini GIF (*.gif)|*.gif|Immagini Jpeg (*.jpg)|*.jpg;*.jpeg|Icons (*.ico;*.cur)|*.ico;*.cur|Tutti i files (*.*)|*.*"};
// Export the print page as PDF.
inline constexpr Text FilterPdf{
    "PDF Documents (*.pdf)|*.pdf", "PDF-documenten (*.pdf)|*.pdf", "Documenti PDF (*.pdf)|*.pdf"};

} // namespace gw::txt
