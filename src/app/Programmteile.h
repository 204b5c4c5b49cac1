#pragma once
// The parts of the program that plug their windows into the main frame: each
// library installs itself through one function, and the program and the GUI
// tests register the same list before the application starts.
namespace zeva {

class CZEVAApp;

void RegistriereProgrammteile(CZEVAApp& anwendung);

} // namespace zeva
