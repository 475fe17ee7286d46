#pragma once
// Every user-visible text of the maker and the player, in English, Dutch and
// Italian. Pick a version with chooseText (core/Palette.h). The spellings are
// the programs' own and are kept exactly, odd ones included.
//
// Composed messages are split into pieces; the comment above each group tells
// how the pieces are joined. "n" stands for a number written with one leading
// blank (the sign position of a non-negative number).

#include <vector>

#include "lang/Text.h"

namespace gw::txt {

// ---- Product names and window captions -------------------------------------

inline constexpr Text ProductMaker{
    "Gridwick Puzzle Maker", "Gridwick Puzzle Maker", "Gridwick Puzzle Maker"};
inline constexpr Text ProductPlayer{"Gridwick Puzzler", "Gridwick Puzzler", "Gridwick Puzzler"};
// Maker caption: PuzzleName + CaptionSuffixMaker.
inline constexpr Text CaptionSuffixMaker{
    " - Gridwick Puzzle Maker", " - Gridwick Puzzle Maker", " - Gridwick Puzzle Maker"};
// Player caption: ProductPlayer without a puzzle, else PuzzleName + CaptionSuffixPlayer.
inline constexpr Text CaptionSuffixPlayer{
    " - Gridwick Puzzler", " - Gridwick Puzzler", " - Gridwick Puzzler"};
// Solution window caption: PuzzleName + SolutionCaptionSeparator + TheSolution.
inline constexpr Text SolutionCaptionSeparator{" - ", " - ", " - "};
inline constexpr Text TheSolution{"the solution", "de oplossing", "la soluzione"};

// ---- Maker main window (MakerWindow), in the order the captions are applied -------

inline constexpr Text MenuFile{"&File", "&Bestand", "&File"};
inline constexpr Text MenuNew{"&New", "&Nieuw", "&Nuovo"};
inline constexpr Text MenuOpen{"&Open", "&Open", "&Apri"};
inline constexpr Text MenuSave{"&Save", "O&pslaan", "&Salva"};
inline constexpr Text MenuSaveAs{"Save &As", "Opslaan &Als", "Salva &Come"};
inline constexpr Text MenuImportImage{
    "&Import Image", "Afbeelding &Importeren", "&Importa un'immagine"};
inline constexpr Text MenuPrintPuzzle{"&Print Puzzle", "Puzzel Af&drukken", "&Stampa Il Puzzle"};
inline constexpr Text MenuTestPuzzle{"&Test Puzzle", "Puzzel &Testen", "&Prova Il Puzzle"};
inline constexpr Text MenuExit{"E&xit", "Af&sluiten", "&Esci"};
inline constexpr Text MenuEdit{"&Edit", "Be&werken", "&Edita"};
inline constexpr Text MenuChangeSize{"Change &Size", "&Grootte Veranderen", "Cambia La &Grandezza"};
inline constexpr Text MenuFitSize{"&Fit Size", "Grootte &Aanpassen", "&Adatta La Grandezza"};
inline constexpr Text MenuMakeNegative{"Make &Negative", "&Negatief Maken", "&Negativo"};
inline constexpr Text MenuDrag{"&Drag", "&Schuiven", "&Spostamento"};
inline constexpr Text MenuDragLeft{"&Left", "&Links", "&Sinistra"};
inline constexpr Text MenuDragRight{"&Right", "&Rechts", "&Destra"};
inline constexpr Text MenuDragUp{"&Up", "&Omhoog", "S&opra"};
inline constexpr Text MenuDragDown{"&Down", "Om&laag", "So&tto"};
inline constexpr Text MenuLanguage{"&Language", "&Taal", "&Lingua"};
inline constexpr Text MenuHelp{"&Help", "&Help", "&Aiuto"};
inline constexpr Text MenuHelpGuide{"&Help", "&Help", "&Aiuto"};
inline constexpr Text MenuAbout{
    "About The &Maker", "Over De &Maker", "Notizie Sull\u2019&Autore"};
inline constexpr Text PreviewCaption{"Preview", "Preview", "Anteprima di stampa"};
// Not in the applied table: the web-site item keeps its caption set once.
inline constexpr Text MenuWebsite{"&Website", "&Website", "&Sito Web"};

// Language menu items: fixed captions in every language (both programs).
inline constexpr Text MenuEnglish{"&English", "&English", "&English"};
inline constexpr Text MenuDutch{"&Nederlands", "&Nederlands", "&Nederlands"};
inline constexpr Text MenuItalian{"&Italiano", "&Italiano", "&Italiano"};

// Maker status line after a language switch; chooseText with the new language.
inline constexpr Text LanguageChanged{
    "The language is now English.", "De taal is nu Nederlands.", "La lingua \u00e8 ora Italiano."};

// ---- Size dialog (SizeDialog) ---------------------------------------------

// The title begins with one blank in every language.
inline constexpr Text SizeDialogTitle{" Size", " Grootte", " Grandezza"};
inline constexpr Text SizeDialogWidth{"Width", "Breedte", "Larghezza"};
inline constexpr Text SizeDialogHeight{"Height", "Hoogte", "Altezza"};
inline constexpr Text SizeDialogCancel{"&Cancel", "&Annuleren", "&Annulla"};
inline constexpr Text SizeDialogOk{"&OK", "&OK", "&OK"};
inline constexpr Text SizeDialogApply{"&Apply", "&Toepassen", "&Applica"};
// Label3 / Label4: CurrentWidth + " " + width, CurrentHeight + " " + height.
inline constexpr Text CurrentWidth{"Current width:", "Huidige breedte:", "Larghezza corrente:"};
inline constexpr Text CurrentHeight{"Current height:", "Huidige hoogte:", "Altezza corrente:"};

// ---- New-puzzle dialog (NewPuzzleDialog) -----------------------------------------

// The title begins with one blank in every language.
inline constexpr Text NewDialogTitle{" New Puzzle", " Nieuwe Puzzel", " Nuovo Puzzle"};
inline constexpr Text NewDialogSizeFrame{"Size", "Grootte", "Grandezza"};
inline constexpr Text NewDialogColorFrame{"Color", "Kleur", "Colore"};
inline constexpr Text NewDialogCancel{"&Cancel", "&Annuleren", "&Annulla"};
inline constexpr Text NewDialogOk{"&OK", "&OK", "&OK"};
inline constexpr Text NewDialogBlackWhite{"&Black/white", "&Zwartwit", "&Bianco/nero"};
inline constexpr Text NewDialogEightColors{"&8 colors", "&8 kleuren", "&8 colori"};
inline constexpr Text NewDialogWidth{"Width", "Breedte", "Larghezza"};
inline constexpr Text NewDialogHeight{"Height", "Hoogte", "Altezza"};

// ---- Print dialog (PrintDialog) ---------------------------------------------

inline constexpr Text PrintDialogTitle{"Print Puzzle", "Puzzel Afdrukken", "Stampa Il Puzzle"};
inline constexpr Text PrintPrinterFrame{"Printer", "Printer", "Stampante"};
inline constexpr Text PrintPaperFrame{"Paper", "Papier", "Orientamento carta"};
inline constexpr Text PrintPortrait{"Portrait", "Staand", "Verticale"};
inline constexpr Text PrintLandscape{"Landscape", "Liggend", "Orizzontale"};
inline constexpr Text PrintTitleFrame{"Title", "Titel", "Titolo"};
inline constexpr Text PrintCentreTitle{"Center Title", "Titel Centreren", "Centra il titolo"};
inline constexpr Text PrintColorFrame{"Color", "Kleur", "Colore"};
inline constexpr Text PrintBackgroundTint{
    "Background Color", "Achtergrondkleur", "Colore dello sfondo"};
inline constexpr Text PrintSizeFrame{"Size", "Grootte", "Grandezza"};
inline constexpr Text PrintAutomaticSize{"Automatic", "Automatisch", "Automatico"};
inline constexpr Text PrintManualSize{"Manual:", "Handmatig:", "Manuale:"};
inline constexpr Text PrintButton{"&Print", "Af&drukken", "&Stampa"};
inline constexpr Text PrintCancel{"&Cancel", "&Annuleren", "&Annulla"};
inline constexpr Text PrintPreviewSize{
    "Size of print preview:", "Grootte van afdrukvoorbeeld:",
    "Grandezza dell\u2019anteprima di stampa:"};
inline constexpr Text PrintPreviewPercent{
    "% of the real print.", "% van de werkelijke afdruk.", "% sulla stampa reale."};
inline constexpr Text PrintSavePdf{
    "Save as &PDF\u2026", "Opslaan als &PDF\u2026", "Salva come &PDF\u2026"};

// ---- Test window (TestWindow) ------------------------------------------------

inline constexpr Text TestWindowTitle{"Test Puzzle", "Puzzel Testen", "Prova Il Puzzle"};
inline constexpr Text TestWindowReset{"&Reset", "&Reset", "&Reset"};
// Only the Dutch caption carries an accelerator.
inline constexpr Text TestWindowComputerTest{
    "Computer Test", "&Computertest", "Test Del Computer"};
inline constexpr Text TestWindowStart{"&Start", "&Start", "&Inizia"};
inline constexpr Text TestWindowStop{"S&top", "S&top", "I&nterrompi"};

// ---- Player main window (MakerWindow of the player) and solution window (Form2) --

// The player's menus share the maker's captions.
inline constexpr const Text& PlayerMenuFile = MenuFile;
inline constexpr const Text& PlayerMenuOpen = MenuOpen;
inline constexpr const Text& PlayerMenuExit = MenuExit;
inline constexpr const Text& PlayerMenuLanguage = MenuLanguage;
inline constexpr const Text& PlayerReset = TestWindowReset;
inline constexpr Text PlayerShowErrors{"Show &errors", "Toon &fouten", "Mostra gli &errori"};
inline constexpr Text PlayerGiveSolution{
    "Give &Solution", "&Oplossing geven", "Mostra la &soluzione"};
inline constexpr const Text& SolutionShowErrors = PlayerShowErrors;
inline constexpr Text SolutionShowMissing{
    "Show &uncompleted", "Toon &niet ingevuld", "Mostra celle &non completate"};
inline constexpr const Text& SolutionOk = SizeDialogOk;

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

// ---- Editing (maker main window status line and messages) ------------------

// CellStatusBefore + (x + 1) + "," + " " + (y + 1) + CellStatusMiddle
//   + colorName + CellStatusAfter, numbers without a leading blank.
inline constexpr Text CellStatusBefore{"Cell <", "Hokje <", "La casella <"};
inline constexpr Text CellStatusMiddle{"> is now ", "> is nu ", "> \u00e8 ora "};
inline constexpr Text CellStatusAfter{".", ".", "."};
inline constexpr Text SizeFitted{
    "The size has been fitted to the picture.",
    "De grootte is aangepast aan de afbeelding.",
    "La grandezza dello schema \u00e8 stata adattata all\u2019immagine."};
// Title FitSizeTitle.
inline constexpr Text SizeFitNoPicture{
    "The size can only be fitted when there is a picture.",
    "De grootte kan alleen worden aangepast als er een afbeelding is.",
    "La grandezza dello schema pu\u00f2 essere adattata solo se c\u2019\u00e8 un\u2019immagine."};
inline constexpr Text FitSizeTitle{"Fit Size", "Grootte Aanpassen", "Adatta La Grandezza"};
inline constexpr Text MadeNegative{
    "The picture has been made negative.",
    "De afbeelding is negatief gemaakt.",
    "E\u2019 stato ottenuto il negativo dell\u2019immagine."};
inline constexpr Text DraggedLeft{
    "The picture has been dragged to the left.",
    "De afbeelding is naar links geschoven.",
    "L\u2019immagine \u00e8 stata spostata a sinistra."};
inline constexpr Text DraggedRight{
    "The picture has been dragged to the right.",
    "De afbeelding is naar rechts geschoven.",
    "L\u2019immagine \u00e8 stata spostata a destra."};
inline constexpr Text DraggedUp{
    "The picture has been dragged up.",
    "De afbeelding is omhoog geschoven.",
    "L\u2019immagine \u00e8 stata spostata in alto."};
inline constexpr Text DraggedDown{
    "The picture has been dragged down.",
    "De afbeelding is omlaag geschoven.",
    "L\u2019immagine \u00e8 stata spostata in basso."};

// Palette colour names by index (colorName).
inline constexpr Text ColorNames[8] = {
    {"black", "zwart", "nera"},
    {"white", "wit", "bianca"},
    {"red", "rood", "rossa"},
    {"blue", "blauw", "blu"},
    {"yellow", "geel", "gialla"},
    {"green", "groen", "verde"},
    {"magenta", "magenta", "magenta"},
    {"aqua", "aqua", "c\u00ecano"},
};

// ---- Testing, solving and playing -----------------------------------------

// Maker, hand-solved in the test window; title PuzzleSolvedTitle, Yes/No.
inline constexpr Text SolvedTestWindow{
    "You have solved the puzzle. If you have done this without cheating, your puzzle is good. Close the Test window now?",
    "U heeft de puzzel opgelost. Als u dit heeft gedaan zonder vals te spelen, is de puzzel goed. Het Test-venster nu sluiten?",
    "Hai risolto il puzzle. Se lo hai fatto senza barare, il tuo puzzle \u00e8 valido. Chiudere la finestra di test?"};
// Player; title PuzzleSolvedTitle.
inline constexpr Text SolvedPlayer{
    "You have solved the puzzle.", "U heeft de puzzel opgelost.", "Hai risolto il puzzle."};
inline constexpr Text PuzzleSolvedTitle{"Puzzle solved", "Puzzel opgelost", "Puzzle risolto"};
inline constexpr Text PuzzleNotSolvedTitle{
    "Puzzle not solved", "Puzzel niet opgelost", "Puzzle non risolto"};

// Computer test progress: <Line>Before + n + <Line>After (n is the 1-based
// line number with its leading blank). Dutch ends the sentence after the number.
inline constexpr Text ConsideringRowBefore{
    "The computer test is considering possibilities for row",
    "De computertest is mogelijkheden voor rij",
    "Il test del computer sta considerando le possibilit\u00e0 per la riga"};
inline constexpr Text ConsideringRowAfter{".", " aan het bekijken.", "."};
inline constexpr Text ConsideringColumnBefore{
    "The computer test is considering possibilities for column",
    "De computertest is mogelijkheden voor kolom",
    "Il test del computer sta considerando le possibilit\u00e0 per la colonna"};
inline constexpr Text ConsideringColumnAfter{".", " aan het bekijken.", "."};
inline constexpr Text ComparingRowBefore{
    "The computer test is comparing possibilities for row",
    "De computertest is mogelijkheden voor rij",
    "Il test del computer sta valutando le possibilit\u00e0 per la linea"};
inline constexpr Text ComparingRowAfter{".", " aan het vergelijken.", "."};
inline constexpr Text ComparingColumnBefore{
    "The computer test is comparing possibilities for column",
    "De computertest is mogelijkheden voor kolom",
    "Il test del computer sta valutando le possibilit\u00e0 per la colonna"};
inline constexpr Text ComparingColumnAfter{".", " aan het vergelijken.", "."};
inline constexpr Text FinishingBlocks{
    "The computer test is trying to finish incomplete blocks.",
    "De computertest probeert incomplete blokken af te maken.",
    "Il test del computer sta provando a completare le celle."};
inline constexpr Text CleaningMemory{
    "The computer test is cleaning up memory.",
    "De computertest is geheugen aan het opschonen.",
    "Il test del computer sta pulendo la memoria."};
// Title PuzzleNotSolvedTitle.
inline constexpr Text CannotSolveMemory{
    "The computer can't solve the puzzle any further because of a memory problem.",
    "De computer kan de puzzel niet verder oplossen vanwege een geheugenprobleem.",
    "Il computer non riesce a risolvere il puzzle a causa di un problema di memoria."};
// Title PuzzleNotSolvedTitle.
inline constexpr Text CannotSolve{
    "The computer can't solve the puzzle any further.",
    "De computer kan de puzzel niet verder oplossen.",
    "Il computer non riesce a risolvere il puzzle in nessun modo."};
// Title PuzzleSolvedTitle, Yes/No.
inline constexpr Text ComputerSolved{
    "The computer test is able to solve the puzzle. Your puzzle is good. Close the Test window now?",
    "De computertest kan uw puzzel oplossen. De puzzel is goed. Het Test-venster nu sluiten?",
    "Il test del computer ha risolto il puzzle. Il tuo puzzle \u00e8 valido. Chiudere la finestra di test?"};
inline constexpr Text TestFinished{"Test finished.", "Test afgerond.", "Test completato."};
inline constexpr Text TestStopped{"Test stopped.", "Test gestopt.", "Test interrotto."};
// Player's Show errors; title NoErrorsTitle.
inline constexpr Text NoErrors{
    "No errors have been made yet.", "Er zijn nog geen fouten gemaakt.",
    "Nessun errore commesso finora."};
inline constexpr Text NoErrorsTitle{"No errors", "Geen fouten", "Nessun errore"};

// ---- Printing --------------------------------------------------------------

inline constexpr Text PuzzlePrinted{
    "The puzzle has been printed.", "De puzzel is afgedrukt.", "Il puzzle \u00e8 stato stampato."};
// A print job the printer refused, or a PDF file that could not be written;
// title PrintDialogTitle, OK, critical icon.
inline constexpr Text PrintFailed{
    "The puzzle could not be printed. Check the printer and try again.",
    "De puzzel kon niet worden afgedrukt. Controleer de printer en probeer het opnieuw.",
    "Non \u00e8 stato possibile stampare il puzzle. Controlla la stampante e riprova."};
inline constexpr Text PdfFailed{
    "The PDF file could not be written.", "Het PDF-bestand kon niet worden geschreven.",
    "Non \u00e8 stato possibile scrivere il file PDF."};
// Page footer, two lines. The Dutch first line begins with one blank.
inline constexpr Text FooterLine1{
    "This Japanese puzzle has been made with Gridwick Puzzle Maker.",
    " Deze Japanse puzzel is gemaakt met Gridwick Puzzle Maker.",
    "Questo Puzzle Giapponese \u00e8 stato creato con Gridwick Puzzle Maker."};
// The second line is followed by the web address (WebAddress).
inline constexpr Text FooterLine2{
    "Make your own puzzles with Gridwick Puzzle Maker: ",
    "Maak uw eigen puzzels met Gridwick Puzzle Maker: ",
    "Crea i tuoi puzzle con Gridwick Puzzle Maker: "};

// ---- Help, about and web site ----------------------------------------------

// Help document in the program's folder.
inline constexpr Text HelpFile{"helpen.pdf", "helpnl.pdf", "helpit.pdf"};
// Title HelpTitle.
inline constexpr Text HelpCannotOpen{
    "The Help-document can't be opened automatically. You can open it manually from the Windows Start menu.",
    "Het Help-document kan niet automatisch worden geopend. U kunt hem zelf openen vanuit het Windows Start menu.",
    "Il file di help non pu\u00f2 essere aperto automaticamente. Aprilo manualmente dal menu Start di Windows."};
inline constexpr Text HelpTitle{"Help", "Help", "Aiuto"};
// Title WebsiteTitle.
inline constexpr Text WebsiteCannotOpen{
    "The website can't be opened automatically. You can open it manually from the Windows Start menu.",
    "De website kan niet automatisch worden geopend. U kunt hem zelf openen vanuit het Windows Start menu.",
    "Il sito web non pu\u00f2 essere aperto automaticamente. Aprilo manualmente dal menu Start di Windows."};
inline constexpr Text WebsiteTitle{"Website", "Website", "Sito web"};
inline constexpr Text WebAddress{
    "https://gridwick.example.org/", "https://gridwick.example.org/",
    "https://gridwick.example.org/"};
// Status line set by About.
// Followed by the web address (WebAddress).
inline constexpr Text AboutInvitation{
    "Visit the Gridwick Puzzle Maker web site: ",
    "Bezoek de website van Gridwick Puzzle Maker: ",
    "Visita il sito web di Gridwick Puzzle Maker: "};
// About box, lines joined by CR: ProductMaker, AboutVersion, "", AboutOwnership,
// "", AboutAuthor, AboutContact, "", AboutTranslator, then AboutWriteInEnglish
// in Italian only (empty in English and Dutch). Title ProductMaker.
inline constexpr Text AboutVersion{"Version 3.0", "Versie 3.0", "Versione 3.0"};
inline constexpr Text AboutOwnership{
    "\u00a9 The Gridwick authors. All rights reserved.",
    "\u00a9 De auteurs van Gridwick. Alle rechten voorbehouden.",
    "\u00a9 Gli autori di Gridwick. Tutti i diritti riservati."};
inline constexpr Text AboutAuthor{
    "Written by the Gridwick authors.", "Geschreven door de auteurs van Gridwick.",
    "Scritto dagli autori di Gridwick."};
// Followed by the web address (WebAddress).
inline constexpr Text AboutContact{"Contact: ", "Contact: ", "Contatto: "};
inline constexpr Text AboutTranslator{
    "Italian translation: the Gridwick translators.",
    "Italiaanse vertaling: de vertalers van Gridwick.",
    "Traduzione italiana: i traduttori di Gridwick."};
inline constexpr Text AboutWriteInEnglish{
    "", "", "Per favore, scrivi all\u2019autore in inglese."};

// ---- Registry --------------------------------------------------------------

struct NamedText {
    const char* name;
    const Text* text;
};

// Every text above by its name, in declaration order; ColorNames entries are
// listed as "ColorNames[i]". Aliases (the player's shared captions) appear
// under their own names too.
const std::vector<NamedText>& allTexts();

} // namespace gw::txt
