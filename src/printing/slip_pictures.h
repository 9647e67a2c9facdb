#pragma once

#include <QWidget>

namespace kb {

// A tip field with the box A of number 1 and the distances B (1 to 7) and C (1 to 43).
class MassBild final : public QWidget {
public:
    explicit MassBild(QWidget* eltern = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;
};

// Twelve fields in two rows, the eight boxes whose values the user enters marked.
class BeispielBild final : public QWidget {
public:
    explicit BeispielBild(QWidget* eltern = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace kb
