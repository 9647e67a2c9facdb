#pragma once

#include "platform/services.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kb {

// Calculator for the binomial coefficient "n über k".
class TFNueberK : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientBreite = 370;
    static constexpr int ClientHoehe = 222;
    static constexpr int HilfeKontext = 1100;

    explicit TFNueberK(Dienste& dienste, QWidget* eltern = nullptr);

public Q_SLOTS:
    void BCalcClick();

private:
    void eingabeBestaetigt();

    Dienste& m_dienste;
    QLineEdit* e1 = nullptr;
    QLineEdit* e2 = nullptr;
    QPushButton* BCalc = nullptr;
    QLineEdit* P1 = nullptr;
};

} // namespace kb
