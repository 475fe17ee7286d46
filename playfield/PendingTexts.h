#pragma once
// Texts used here until the shared text tables land; replaced by lang/ names.
#include "lang/Text.h"

namespace gw::pending {
inline constexpr Text SolvedMaker{
    "You have solved the puzzle. If you have done this without cheating, your puzzle is good. Close the Test window now?",
    "U heeft de puzzel opgelost. Als u dit heeft gedaan zonder vals te spelen, is de puzzel goed. Het Test-venster nu sluiten?",
    "Hai risolto il puzzle. Se lo hai fatto senza barare, il tuo puzzle è valido. Chiudere la finestra di test?"};
inline constexpr Text SolvedPlayer{"You have solved the puzzle.", "U heeft de puzzel opgelost.", "Hai risolto il puzzle."};
inline constexpr Text PuzzleSolvedTitle{"Puzzle solved", "Puzzel opgelost", "Puzzle risolto"};
} // namespace gw::pending

namespace gw::pending {
inline constexpr Text PrintTitle{"Print Puzzle", "Puzzel Afdrukken", "Stampa Il Puzzle"};
inline constexpr Text PrinterFrame{"Printer", "Printer", "Stampante"};
inline constexpr Text PaperFrame{"Paper", "Papier", "Orientamento carta"};
inline constexpr Text Portrait{"Portrait", "Staand", "Verticale"};
inline constexpr Text Landscape{"Landscape", "Liggend", "Orizzontale"};
inline constexpr Text TitleFrame{"Title", "Titel", "Titolo"};
inline constexpr Text CenterTitle{"Center Title", "Titel Centreren", "Centra il titolo"};
inline constexpr Text ColorFrame{"Color", "Kleur", "Colore"};
inline constexpr Text BackgroundColor{"Background Color", "Achtergrondkleur", "Colore dello sfondo"};
inline constexpr Text SizeFrame{"Size", "Grootte", "Grandezza"};
inline constexpr Text Automatic{"Automatic", "Automatisch", "Automatico"};
inline constexpr Text Manual{"Manual:", "Handmatig:", "Manuale:"};
inline constexpr Text PrintButton{"&Print", "Af&drukken", "&Stampa"};
inline constexpr Text CancelButton{"&Cancel", "&Annuleren", "&Annulla"};
inline constexpr Text PreviewSize{"Size of print preview:", "Grootte van afdrukvoorbeeld:", "Grandezza dell’anteprima di stampa:"};
inline constexpr Text PercentLabel{"% of the real print.", "% van de werkelijke afdruk.", "% sulla stampa reale."};
inline constexpr Text SavePdf{"Save as &PDF…", "Opslaan als &PDF…", "Salva come &PDF…"};
inline constexpr Text FilterPdf{"PDF Documents (*.pdf)|*.pdf", "PDF-documenten (*.pdf)|*.pdf", "Documenti PDF (*.pdf)|*.pdf"};
inline constexpr Text Printed{"The puzzle has been printed.", "De puzzel is afgedrukt.", "Il puzzle è stato stampato."};
inline constexpr Text PrintFailed{"The puzzle could not be printed.", "De puzzel kon niet worden afgedrukt.", "Non è stato possibile stampare il puzzle."};
inline constexpr Text PdfFailed{"The PDF file could not be written.", "Het PDF-bestand kon niet worden geschreven.", "Non è stato possibile scrivere il file PDF."};
inline constexpr Text FooterFirst{"This Japanese puzzle has been made with Gridwick Puzzle Maker.",
                                  " Deze Japanse puzzel is gemaakt met Gridwick Puzzle Maker.",
                                  "Questo Puzzle Giapponese è stato creato con Gridwick Puzzle Maker."};
inline constexpr Text FooterSecond{"Gridwick Puzzle Maker", "Gridwick Puzzle Maker", "Gridwick Puzzle Maker"};
} // namespace gw::pending
