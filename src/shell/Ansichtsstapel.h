#pragma once
// The saved-view stack of the main frame. A special view (heat-demand page,
// report, areas page, renovation details) that takes over the main pane
// pushes what it replaced: the view that was there, the right-bar pane to
// show again and the pane to hide again when it closes. Closing pops the top
// entry. The stack holds at most 64 entries; a further push is refused (the
// special view is still shown, but closing it restores an older state).
// Entries hold guarded pointers: panes and views may delete themselves.
#include <QPointer>
#include <QWidget>
#include <array>

namespace zeva {

struct AnsichtsEintrag {
    QPointer<QWidget> ansicht;   // the view that was in the main pane
    QPointer<QWidget> zeigen;    // the right-bar pane to show again
    QPointer<QWidget> verbergen; // the right-bar pane to hide again
};

class Ansichtsstapel {
public:
    static constexpr int MaxEintraege = 64;

    // False when the stack is full.
    bool Push(const AnsichtsEintrag& eintrag);
    // False when the stack is empty; otherwise the top entry, removed.
    bool Pop(AnsichtsEintrag& eintrag);

    // Index of the top entry, -1 when empty.
    int Oben() const { return m_nOben; }
    int Anzahl() const { return m_nOben + 1; }
    bool IstLeer() const { return m_nOben < 0; }
    const AnsichtsEintrag& Eintrag(int i) const { return m_aEintraege[static_cast<std::size_t>(i)]; }

private:
    int m_nOben = -1;
    std::array<AnsichtsEintrag, MaxEintraege> m_aEintraege;
};

} // namespace zeva
