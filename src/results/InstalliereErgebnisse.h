#pragma once
// Installs the results into the main frame: the heat-demand pane and its
// page with the command "&Bestand", the areas page, and the figure pages
// "Geometrische Kenngrößen" and "Heizung" of the left bar. Run once by the
// application's start-up hook, right after the frame is made.
namespace zeva {

class CMainFrame;

void InstalliereErgebnisse(CMainFrame& rahmen);

} // namespace zeva
