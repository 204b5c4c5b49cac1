#pragma once
// Installs the component tables in the frame: the 3D view's pick of a
// carrying surface opens the table of its kind.
namespace zeva {

class CMainFrame;

void InstalliereBauteiltabellen(CMainFrame& rahmen);

} // namespace zeva
