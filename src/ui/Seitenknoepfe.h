#pragma once
// The four page buttons of the paged tables (five rows at a time): first
// page, one row up, one row down, last page. Each table names the ids its
// buttons carry; the pictures are ours and the disabled look follows from
// them.
#include <QWidget>

class QPushButton;

namespace zeva {

class Seitenknoepfe : public QWidget {
public:
    struct Ids {
        int anfang; // first page
        int hoch;   // one row up
        int runter; // one row down
        int ende;   // last page
    };

    Seitenknoepfe(const Ids& ids, Qt::Orientation richtung, QWidget* parent);

    QPushButton* Anfang() const { return m_anfang; }
    QPushButton* Hoch() const { return m_hoch; }
    QPushButton* Runter() const { return m_runter; }
    QPushButton* Ende() const { return m_ende; }

private:
    QPushButton* m_anfang;
    QPushButton* m_hoch;
    QPushButton* m_runter;
    QPushButton* m_ende;
};

} // namespace zeva
