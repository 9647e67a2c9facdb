#include "statistics_window.h"

#include "core/ini_file.h"
#include "core/program_state.h"
#include "draw_changes.h"
#include "evaluation/navigation_bar.h"
#include "evaluation/window_router.h"
#include "statistics_frame.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kb {

namespace {
const QString Abschnitt = QStringLiteral("Statistik");
const QString SchluesselParallel = QStringLiteral("Parallelauswertung");
} // namespace

TFStatistik::TFStatistik(Dienste& dienste, Fensterverwaltung& router, QWidget* eltern)
    : QWidget(eltern, Qt::Window), m_dienste(dienste), m_router(router) {
    setObjectName(QStringLiteral("FStatistik"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FensterTitel());

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->setSpacing(0);
    using K = NavigationsLeiste::Knopf;
    m_navigation =
        new NavigationsLeiste(this, m_dienste, m_router, HilfeKontext,
                              {K::Schliessen, K::Normalschein, K::Systemschein, K::NueberK, K::Hilfe,
                               K::Rechner, K::SystemWahl, K::Update, K::Kalender, K::Quoten, K::Druck});
    haupt->addWidget(m_navigation);

    auto* zeile = new QHBoxLayout;
    zeile->setContentsMargins(4, 4, 4, 4);
    zeile->setSpacing(1);
    for (int k = 0; k < 3; ++k) {
        auto* r = new TFfrStatistik(k, m_dienste, this);
        m_rahmen[static_cast<std::size_t>(k)] = r;
        zeile->addWidget(r);
        connect(r, &TFfrStatistik::downloadbereichGewuenscht, this, &TFStatistik::downloadbereichOeffnen);
    }
    haupt->addLayout(zeile, 1);

    TFfrStatistik* alle = rahmen(0);
    connect(alle->parallel(), &QCheckBox::clicked, this, &TFStatistik::cbAuchClick);
    connect(alle, &TFfrStatistik::auswahlGeaendert, this, [this] {
        if (parallel())
            Gleichklang();
    });
    connect(alle, &TFfrStatistik::sucheAusgefuehrt, this, [this] {
        if (!parallel())
            return;
        Gleichklang();
        rahmen(1)->suchen();
        rahmen(2)->suchen();
    });
    connect(alle, &TFfrStatistik::sucheGeleert, this, [this] {
        if (!parallel())
            return;
        rahmen(1)->sucheZuruecksetzen();
        rahmen(2)->sucheZuruecksetzen();
    });
    // A draw added, corrected or downloaded meanwhile shows at once.
    connect(&Ziehungsmeldungen::instanz(), &Ziehungsmeldungen::gewZahlenGeaendert, this,
            &TFStatistik::neuFuellen);

    neuFuellen();
    for (TFfrStatistik* r : m_rahmen)
        r->setBereit(true);
    m_bereit = true;
    resize(3 * TFfrStatistik::Breite + 10, ClientHoehe);
}

bool TFStatistik::parallel() const {
    return rahmen(0)->parallel()->isChecked();
}

void TFStatistik::neuFuellen() {
    for (TFfrStatistik* r : m_rahmen)
        r->fuellen();
}

void TFStatistik::cbAuchClick() {
    if (parallel())
        Gleichklang();
}

void TFStatistik::Gleichklang() {
    const ZahlenMenge m = rahmen(0)->auswahl().menge();
    rahmen(1)->auswahlUebernehmen(m);
    rahmen(2)->auswahlUebernehmen(m);
}

void TFStatistik::downloadbereichOeffnen() {
    zustand().DownloadFragen = false;
    m_router.oeffne(QStringLiteral("FUpdate"));
    close();
}

void TFStatistik::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void TFStatistik::FormShow() {
    const IniDatei ini(zustand().einstellungenPfad());
    if (!ini.dateiVorhanden())
        return;
    rahmen(0)->parallel()->setChecked(ini.ReadBool(Abschnitt, SchluesselParallel, true));
}

void TFStatistik::FormCloseQuery() {
    IniDatei ini(zustand().einstellungenPfad());
    ini.WriteBool(Abschnitt, SchluesselParallel, parallel());
    if (const Status s = ini.speichern(); !s)
        m_dienste.dialoge->fehler(this, s.fehler());
}

void TFStatistik::closeEvent(QCloseEvent* e) {
    FormCloseQuery();
    e->accept();
}

} // namespace kb
