#pragma once
// The page "Volumen und Flächen" of the document's house. It is written when
// the frame makes it and keeps those figures while it lives; its link
// "Schließen" closes it and brings back the view that was in front before.
#include "results/CErgebnisView.h"

namespace zeva {

class CFlaechenView : public CErgebnisView {
    Q_OBJECT
public:
    CFlaechenView(CMainFrame& rahmen, QWidget* parent);

    // Writes the page from the document's house as it stands.
    void Schreibe();

protected:
    void BearbeiteLink(const QString& befehl) override;
};

} // namespace zeva
