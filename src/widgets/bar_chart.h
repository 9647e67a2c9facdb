#pragma once

#include "core/lotto.h"

#include <QColor>
#include <QWidget>

#include <array>

namespace kb {

// A small bar chart of one value per number 1..49, in number order; the highest and the
// lowest bars are coloured and labelled with their number, so a glance finds them.
class Balkendiagramm final : public QWidget {
    Q_OBJECT
public:
    explicit Balkendiagramm(const QString& titel, QWidget* eltern = nullptr);

    void setzeWerte(const std::array<int, MaxZahl>& werte);
    const std::array<int, MaxZahl>& werte() const { return m_werte; }
    // Numbers whose bar is the highest (lowest); empty before the first values.
    QList<int> hoechste() const;
    QList<int> tiefste() const;

    QSize sizeHint() const override { return {240, 72}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString m_titel;
    std::array<int, MaxZahl> m_werte{};
    bool m_gesetzt = false;
};

} // namespace kb
