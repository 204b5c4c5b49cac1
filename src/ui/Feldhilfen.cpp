#include "ui/Feldhilfen.h"

#include "model/Zahlentext.h"

#include <QLineEdit>
#include <QWidget>

namespace zeva {

bool LeseZahl(const QLineEdit* feld, double& value)
{
    if (feld == nullptr) {
        value = 0;
        return false;
    }
    return LeseZahl(feld->text().toStdString(), value);
}

void ZeigeAktiv(QWidget* w, bool show)
{
    if (w == nullptr)
        return;
    if (show)
        w->setAttribute(Qt::WA_ShowWithoutActivating);
    w->setVisible(show);
    w->setEnabled(show);
}

} // namespace zeva
