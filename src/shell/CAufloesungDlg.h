#pragma once
// The warning that the screen is smaller than 800 × 600 pixels. OK ends the
// program (the caller runs the normal close with the save question and ends
// with code 1); Escape or the close box let it go on.
#include <QDialog>

namespace zeva {

class CAufloesungDlg : public QDialog {
public:
    static constexpr const char* Text =
        "Die von Ihnen gewählte Bildschirmauflösung muss mindestens 800*600 Pixel betragen. Ok beendet ZEVA.";

    explicit CAufloesungDlg(QWidget* parent = nullptr);

    // True when the screen is narrower than 800 or lower than 600 pixels.
    static bool BildschirmZuKlein();
};

} // namespace zeva
