#pragma once
// Small helpers between the number text of the model and the widgets that
// show and take it.
class QLineEdit;
class QWidget;

namespace zeva {

// Reads the whole text of a field as a number with a decimal comma (see the
// text form in model/Zahlentext.h). A missing field reads as no number.
bool LeseZahl(const QLineEdit* feld, double& value);

// Shows and enables a window without taking the activation from the window
// the user works in; hiding also disables it.
void ZeigeAktiv(QWidget* w, bool show);

} // namespace zeva
