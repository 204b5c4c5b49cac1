#pragma once
// The frame's command "Neu &Programm": asks whether the options are set,
// runs the optimiser with its progress dialog on the document's house and
// the frame's options, and adopts the best combinations as new variants.
#include "renovation/ProgSan.h"

#include <filesystem>
#include <functional>

namespace zeva {

class CMainFrame;

struct ProgrammSanierungEinstellung {
    // The renovation-measure data base to open.
    std::filesystem::path datenbank;
    ProgSan::Modus modus = ProgSan::Modus::Schnell;
    // Called with the progress dialog while it is open (tests press Cancel
    // or look at it); empty in the program.
    std::function<void(class CAutoSanierungDlg&)> beimStart;
};

// Installs the search with the given settings and runs the frame's command
// once; answers the number of variants added.
int NeuProgramm(CMainFrame& rahmen, const ProgrammSanierungEinstellung& einstellung);

// Installs the search on the frame with the program's data base.
void InstalliereProgrammSanierung(CMainFrame& rahmen);

} // namespace zeva
