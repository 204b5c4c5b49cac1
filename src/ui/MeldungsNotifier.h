#pragma once
// The model's notifier shown through the message service: messages with the
// OK button (information, exclamation or stop icon by their kind), questions
// with Yes and No and the exclamation mark the service gives boxes without
// an icon.
#include "model/Notifier.h"

class QWidget;

namespace zeva {

class MeldungsNotifier final : public Notifier {
public:
    explicit MeldungsNotifier(QWidget* eltern = nullptr) : m_eltern(eltern) {}

    void Nachricht(const std::string& text, Art art) override;
    bool Frage(const std::string& text) override;

private:
    QWidget* m_eltern;
};

} // namespace zeva
