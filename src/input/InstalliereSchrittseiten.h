#pragma once
// Installs the step panels of the guided input in the frame: the project
// page (steps 1 and 18), the six single-component pages (steps 2 to 7) and
// the heating page (step 17).
namespace zeva {

class CMainFrame;

void InstalliereSchrittseiten(CMainFrame& rahmen);

} // namespace zeva
