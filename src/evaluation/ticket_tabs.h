#pragma once

#include "main_window_settings.h"
#include "platform/services.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace kb {

class AuswertungsPanel;

// The right side of the main window: opened ticket files as tabs, each with its evaluation.
class Tippauswertung : public QWidget {
    Q_OBJECT
public:
    explicit Tippauswertung(Dienste& dienste, QWidget* eltern = nullptr);

    // Opens a file as a new tab and returns that tab.
    QWidget* DateienEinlesen(const QString& pfad);
    // The remembered files, or the two example files when none are remembered.
    void startDateienOeffnen(const AuswertungEinstellungen& einstellungen);

    void einstellungenUebernehmen(const AuswertungEinstellungen& e);
    void einstellungenEintragen(AuswertungEinstellungen& e) const;

    QTabWidget* tabs() const { return PC1; }
    // Tabs opened in this run; never decreases.
    static int tabZaehler();

public Q_SLOTS:
    void BOpenClick();
    void BKr1Click();
    void BKr2Click();

private:
    void normalTabFuellen(QWidget* tab, int n, const QString& pfad);
    void systemTabFuellen(QWidget* tab, int n, const QString& pfad);

    Dienste& m_dienste;
    QPushButton* BOpen = nullptr;
    QCheckBox* cbMerken = nullptr;
    QTabWidget* PC1 = nullptr;
    QPushButton* BKr1 = nullptr;
    QPushButton* BKr2 = nullptr;
    int m_filterIndex = 3;
};

} // namespace kb
