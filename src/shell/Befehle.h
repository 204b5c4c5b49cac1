#pragma once
// The command ids of the main menu, the tool bar, the accelerators and the
// start page's links, and the frame's private messages. The numbers are the
// program's documented command numbers; each QAction carries its id so that
// the frame's dispatcher, the start page and the tests speak of the same
// command.
namespace zeva {

enum Befehl : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,

    ID_NEU_PROGRAMM = 32779,     // "Neu &Programm": automatic renovation
    ID_NEU_MANUELL = 32791,      // "Neu &Manuell": new manual variant
    ID_BESTAND = 32794,          // "&Bestand": heat demand of the existing state
    ID_VARIANTE_LOESCHEN = 32795,
    ID_OPTIONEN = 32796,
    ID_ALLE_LOESCHEN = 32801,
    ID_ZURUECK_ZUR_EINGABE = 32812,
    ID_3D_ALS_JPEG = 32817,

    ID_BERECHNUNG_VARIANTE = 60000, // + variant number (60001 … 61000)
    ID_SANIERUNG_VARIANTE = 61000,  // + variant number (61001 … 62000)
};

// The frame's private messages; a sent message is a direct call of the
// frame, a posted one a queued call.
enum PrivateNachricht : int {
    WM_STARTSEITE = 0x8100,
    WM_FLAECHENANSICHT = 0x700,
    WM_REPORTANSICHT = 0x600,
    WM_SANIERUNGSDETAILS = 0x4EA,
    WM_VARIANTENSEITE = 0x544,
};

// The arguments of a special view's message that close it or forward print
// and preview to it.
inline constexpr int ANSICHT_SCHLIESSEN = -1;

} // namespace zeva
