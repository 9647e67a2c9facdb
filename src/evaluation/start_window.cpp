#include "start_window.h"

#include "core/data_set.h"
#include "core/money.h"
#include "core/program_state.h"
#include "platform/paths.h"
#include "systems/catalogue.h"
#include "widgets/icons.h"
#include "widgets/window_help.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVariantAnimation>

namespace kb {

QString SystemAnzeigeText(const QLocale& locale) {
    // The label advertises a fixed figure, whatever the catalogue holds.
    return QStringLiteral("   ") + ZahlText(425, locale) + QStringLiteral(" Systeme inside   ");
}

namespace {

// Drawn title picture: a night-blue drum with lottery balls.
class StartBild final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient hg(0, 0, 0, height());
        hg.setColorAt(0, QColor(16, 42, 92));
        hg.setColorAt(1, QColor(6, 18, 44));
        p.fillRect(rect(), hg);

        const QColor farben[] = {QColor(220, 40, 40), QColor(245, 190, 20), QColor(40, 150, 70), QColor(40, 110, 210),
                                 QColor(235, 120, 20), QColor(150, 60, 180), QColor(220, 40, 40)};
        const int zahlen[] = {6, 17, 23, 31, 42, 49, 9};
        const QPointF orte[] = {{60, 150}, {118, 118}, {178, 142}, {240, 112}, {300, 146}, {352, 108}, {330, 186}};
        for (int i = 0; i < 7; ++i) {
            const qreal d = i == 6 ? 34 : 48;
            kugelZeichnen(p, QRectF(orte[i].x() - d / 2, orte[i].y() - d / 2, d, d), zahlen[i], farben[i]);
        }

        QFont titel = font();
        titel.setPixelSize(40);
        titel.setBold(true);
        p.setFont(titel);
        p.setPen(QColor(255, 255, 255));
        p.drawText(QRect(0, 18, width(), 52), Qt::AlignCenter, ProduktName);
        QFont unter = font();
        unter.setPixelSize(13);
        p.setFont(unter);
        p.setPen(QColor(200, 215, 240));
        p.drawText(QRect(0, 62, width(), 20), Qt::AlignCenter, QStringLiteral("Lotto 6 aus 49 · Version ") + VersionText);
    }
};

} // namespace

TFStart::TFStart(Help* hilfe, QWidget* eltern)
    : QWidget(eltern, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("FStart"));
    setFixedSize(Breite, Hoehe);

    Image1 = new StartBild(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, Breite, Hoehe);

    LSysAnz = new QLabel(this);
    LSysAnz->setObjectName(QStringLiteral("LSysAnz"));
    LSysAnz->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    LSysAnz->setAlignment(Qt::AlignCenter);
    QFont fett = LSysAnz->font();
    fett.setBold(true);
    LSysAnz->setFont(fett);
    LSysAnz->setAutoFillBackground(true);
    LSysAnz->setGeometry(110, 222, 180, 26);

    BWeiter = new QPushButton(QStringLiteral("Weiter"), this);
    BWeiter->setObjectName(QStringLiteral("BWeiter"));
    BWeiter->setGeometry(Breite - 96, Hoehe - 38, 86, 28);
    connect(BWeiter, &QPushButton::clicked, this, &TFStart::BWeiter0Click);
    setInitializationDone(false);
    hilfeAnbinden(this, hilfe, HilfeKontext);

    FormCreate();
}

void TFStart::FormCreate() {
    setWindowTitle(FensterTitel());
    Programmzustand& z = zustand();
    const Pfade pfade = pfadeErmitteln();
    z.ProgrammPfad = pfade.programmPfad;
    z.TempDatei = pfade.tempDatei;
    z.DatenPfad = pfade.datenPfad;
    z.DatensatzPfad = pfade.datensatzPfad;
    const bool ersterStart = !QDir(z.DatenPfad).exists();
    // A folder that cannot be created shows up at the first file access in it.
    if (datenOrdnerAnlegen(z.DatenPfad) && ersterStart && !z.DatensatzPfad.isEmpty()) {
        // A new data folder gets the quotas and the demo tickets; a file that could not be
        // copied only means standard quotas or no demo tab, so the start goes on.
        DatensatzUebernehmen(z.DatensatzPfad, z.DatenPfad);
    }
    SystemeEinlesen(SystemeAufbauen(MaxSystemreihen));
    z.HilfeDatei = pfade.hilfeDatei;
    z.LandesFormat = QLocale::system().language() == QLocale::C ? QLocale(QLocale::German, QLocale::Germany)
                                                                 : QLocale::system();
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen()) {
        z.BildschirmBreite = bildschirm->geometry().width();
        z.BildschirmHoehe = bildschirm->geometry().height();
        move(bildschirm->availableGeometry().center() - rect().center());
    }
}

void TFStart::SystemeEinlesen(int anzahl) {
    zustand().SystemAnzahl = anzahl;
    LSysAnz->setText(SystemAnzeigeText(zustand().LandesFormat));
}

void TFStart::setInitializationDone(bool fertig) {
    FInitializationDone = fertig;
    BWeiter->setEnabled(fertig);
    BWeiter->setCursor(fertig ? Qt::PointingHandCursor : Qt::WaitCursor);
}

void TFStart::BWeiter0Click() {
    if (!FInitializationDone || m_blendetUeber)
        return;
    BWeiter->hide();
    BWeiter->setEnabled(false);
    close();
}

void TFStart::closeEvent(QCloseEvent* e) {
    // The window stays until the fade is over; it is then destroyed for good.
    e->ignore();
    if (m_blendetUeber || !FInitializationDone)
        return;
    m_blendetUeber = true;
    if (m_haupt) {
        m_haupt->setWindowOpacity(0.0);
        m_haupt->show();
    }
    Q_EMIT uebergabeBeginnt();
    m_blende = new QVariantAnimation(this);
    m_blende->setStartValue(1);
    m_blende->setEndValue(BlendSchritte);
    m_blende->setDuration(BlendSchritte * BlendSchrittMs);
    connect(m_blende, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) { ueberblenden(v.toInt()); });
    connect(m_blende, &QVariantAnimation::finished, this, [this] {
        ueberblenden(BlendSchritte);
        hide();
        Q_EMIT uebergabeFertig();
        deleteLater();
    });
    m_blende->start();
}

void TFStart::ueberblenden(int schritt) {
    const qreal v = static_cast<qreal>(schritt) / BlendSchritte;
    if (m_haupt)
        m_haupt->setWindowOpacity(v);
    setWindowOpacity(1.0 - v);
}

} // namespace kb
