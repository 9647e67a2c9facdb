#pragma once

#include "main_window_settings.h"
#include "platform/services.h"

#include <QHash>
#include <QMainWindow>

class QAction;
class QPushButton;
class QToolBar;

namespace kb {

class Fensterverwaltung;
class Tippauswertung;
class ZiehungsPanel;

// The program's home: draw management on the left, ticket tabs on the right,
// tool bar and menus that open every other window.
class TFAuswertung : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ClientBreite = 925;
    static constexpr int ClientHoehe = 679;
    static constexpr int HilfeKontext = 1020;

    TFAuswertung(Dienste& dienste, Fensterverwaltung& router, QWidget* eltern = nullptr);

    // Client area: everything below the menu bar.
    QSize clientGroesse() const;

    // Enables the menu and tool-bar entries whose windows can be opened now.
    void routenAktualisieren();

    QAction* aktion(const QString& name) const { return m_aktionen.value(name); }
    Tippauswertung* tippauswertung() const { return Pright; }
    ZiehungsPanel* ziehungen() const { return m_ziehungen; }
    const AuswertungEinstellungen& einstellungen() const { return m_einstellungen; }

public Q_SLOTS:
    void BCloseClick();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void menuUndWerkzeugleisteAnlegen();
    QAction* neueAktion(const QString& name, const QString& text, const QString& ziel);

    Dienste& m_dienste;
    Fensterverwaltung& m_router;
    QToolBar* Tool1 = nullptr;
    ZiehungsPanel* m_ziehungen = nullptr; // the left column, "Pleft"
    QWidget* Pleft = nullptr;
    Tippauswertung* Pright = nullptr;
    QPushButton* BSchliessen = nullptr;
    QHash<QString, QAction*> m_aktionen;   // by object name
    QHash<QAction*, QString> m_ziele;      // action -> component name of the window it opens
    AuswertungEinstellungen m_einstellungen;
    bool m_ersteAnzeige = true;
};

} // namespace kb
