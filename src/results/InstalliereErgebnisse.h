#pragma once
// Installs the results into the main frame: the makers of the heat-demand
// pane and its page, of the areas page, the figure pages "Geometrische
// Kenngrößen" and "Heizung" of the left bar, the Sankey window of the
// previews and the chart dialog of the heat-demand pane. One of the program's parts
// (app/Programmteile.cpp): it runs right after the frame is made.
namespace zeva {

class CMainFrame;

void InstalliereErgebnisse(CMainFrame& rahmen);

} // namespace zeva
