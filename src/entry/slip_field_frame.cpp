#include "slip_field_frame.h"

#include "systems/catalogue_table.h"
#include "widgets/icons.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace kb {

namespace {

// The print colour of a real slip: red-orange lines and figures on white paper.
const QColor SchreinRot(228, 80, 38);
const QColor SchreinTon(253, 232, 222);

QFont schrift(qreal pixel, bool fett = false) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(qRound(pixel));
    f.setBold(fett);
    return f;
}

// Text centred on mitte, squeezed horizontally when it is wider than breite.
void textEingepasst(QPainter& p, const QPointF& mitte, qreal breite, const QString& text) {
    const QFontMetricsF fm(p.font());
    const qreal w = fm.horizontalAdvance(text);
    const qreal faktor = w > breite ? breite / w : 1.0;
    p.save();
    p.translate(mitte);
    p.scale(faktor, 1.0);
    const QRectF r(-w / 2, -fm.height() / 2, w, fm.height());
    p.drawText(r, Qt::AlignCenter, text);
    p.restore();
}

// "Kreuz" followed by field × 100 and the number, or by field × 1000 and the system code.
QString kreuzName(int tag) {
    const int teiler = tag > 1000 ? 1000 : 100;
    return QStringLiteral("Kreuz") + QString::number(tag / teiler * teiler) + QString::number(tag % teiler);
}

QRectF kastenRechteck(const QPoint& kasten) {
    // Half a pixel inside, so a 1-pixel line covers whole pixels at 100 %.
    return QRectF(kasten.x() + 0.5, kasten.y() + 0.5, KastenGroesse - 1, KastenGroesse - 1);
}

} // namespace

TKreuz::TKreuz(int tag, QWidget* eltern) : QLabel(QStringLiteral("x"), eltern), m_tag(tag) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(14);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(pal);
    setFixedSize(Groesse, Groesse);
    setCursor(Qt::PointingHandCursor);
    setProperty("tag", tag);
}

void TKreuz::paintEvent(QPaintEvent*) {
    // The glyph's own outline is centred, not its line box: a 14-point "x" fills the 13 x 13 label.
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QRectF glyphe = QFontMetricsF(font()).tightBoundingRect(text());
    const QPointF versatz = QRectF(rect()).center() - glyphe.center();
    p.drawText(versatz, text());
}

void TKreuz::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        Q_EMIT geklickt(m_tag);
}

SystemfeldBild::SystemfeldBild(int feld, QWidget* eltern) : QWidget(eltern), m_feld(feld) {
    setFixedSize(FeldBildBreite, FeldBildHoehe);
}

void SystemfeldBild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(rect(), Qt::white);
    QPen linie(SchreinRot, 1);
    linie.setCosmetic(false);
    p.setPen(linie);

    // Number boxes with their figures.
    p.setFont(schrift(9.5));
    for (int n = 1; n <= MaxZahl; ++n) {
        const QRectF r = kastenRechteck(ZahlKasten(n));
        p.drawRect(r);
        p.drawText(r.adjusted(0, 1, 0, 0), Qt::AlignCenter, QString::number(n));
    }
    p.drawLine(QPointF(2, 151.5), QPointF(FeldBildBreite - 2, 151.5));

    // System area on a light tint, as printed on the slip.
    p.fillRect(QRectF(1, 153, FeldBildBreite - 2, 156), SchreinTon);
    p.setFont(schrift(8, true));
    p.drawText(QRectF(5, 155, 120, 12), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vollsysteme"));
    p.drawText(QRectF(5, 207, 120, 12), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Teilsysteme (VEW)"));
    p.drawLine(QPointF(2, 203.5), QPointF(FeldBildBreite - 2, 203.5));

    for (int code = 1; code <= ScheinSystemAnzahl; ++code) {
        const QPoint k = SystemKasten(code);
        const QRectF r = kastenRechteck(k);
        p.fillRect(r, Qt::white);
        p.drawRect(r);
        // Full systems are named under their boxes; reduced systems above theirs, numbers over
        // rows ("10" over "15"), which stays legible in the narrow column.
        const QString name = QString::fromLatin1(ScheinSysteme[static_cast<std::size_t>(code - 1)].Name);
        const qreal mitte = k.x() + KastenGroesse / 2.0;
        p.setFont(schrift(8));
        if (code <= 6) {
            textEingepasst(p, QPointF(mitte, k.y() + KastenGroesse + 6), 20, name);
        } else {
            const QStringList teile = name.split(QLatin1Char('/'));
            textEingepasst(p, QPointF(mitte, k.y() - 14), 20, teile.value(0));
            textEingepasst(p, QPointF(mitte, k.y() - 5), 20, teile.value(1));
            p.drawLine(QPointF(mitte - 5, k.y() - 9.5), QPointF(mitte + 5, k.y() - 9.5));
        }
    }

    // Footer band with the field number, and the field's outline.
    p.fillRect(QRectF(1, 309, FeldBildBreite - 2, FeldBildHoehe - 310), SchreinRot);
    p.setPen(Qt::white);
    p.setFont(schrift(11, true));
    p.drawText(QRectF(0, 309, FeldBildBreite, FeldBildHoehe - 310), Qt::AlignCenter,
               QStringLiteral("Feld %1").arg(m_feld));
    p.setPen(linie);
    p.drawRect(QRectF(0.5, 0.5, FeldBildBreite - 1, FeldBildHoehe - 1));
}

TFfrSysSchein::TFfrSysSchein(int feld, QWidget* eltern) : QFrame(eltern), m_feld(feld) {
    setObjectName(QStringLiteral("Feld%1").arg(feld));
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(4);

    m_bild = new SystemfeldBild(feld, this);
    m_bild->setObjectName(QStringLiteral("Image1"));
    l->addWidget(m_bild);
    Panel1 = new QWidget(m_bild);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, FeldBildBreite, FeldBildHoehe);
    Panel1->setCursor(Qt::PointingHandCursor);
    Panel1->installEventFilter(this);

    auto* zeile = new QHBoxLayout;
    zeile->setContentsMargins(6, 0, 4, 0);
    zeile->addWidget(new QLabel(QStringLiteral("Gewählt:"), this));
    PStand = new QLabel(QStringLiteral("0"), this);
    PStand->setObjectName(QStringLiteral("PStand"));
    PStand->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PStand->setAlignment(Qt::AlignCenter);
    PStand->setFixedSize(34, 20);
    PStand->setAutoFillBackground(true);
    zeile->addWidget(PStand);
    zeile->addStretch(1);
    BDel = new QToolButton(this);
    BDel->setObjectName(QStringLiteral("BDel"));
    BDel->setIcon(symbolIcon(Symbol::Loeschen));
    BDel->setAutoRaise(true);
    BDel->setToolTip(QStringLiteral("Feld %1 löschen").arg(feld));
    connect(BDel, &QToolButton::clicked, this, &TFfrSysSchein::leerenGeklickt);
    zeile->addWidget(BDel);
    l->addLayout(zeile);
    setFixedWidth(Breite);
}

bool TFfrSysSchein::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt == Panel1 && e->type() == QEvent::MouseButtonPress) {
        const auto* maus = static_cast<QMouseEvent*>(e);
        if (maus->button() == Qt::LeftButton) {
            const QPoint p = maus->position().toPoint();
            Q_EMIT bildGeklickt(p.x(), p.y());
            return true;
        }
    }
    return QFrame::eventFilter(objekt, e);
}

void TFfrSysSchein::kreuzSetzen(int tag, const QPoint& kasten, bool gewollt) {
    TKreuz* k = m_kreuze.value(tag);
    if (gewollt && !k) {
        k = new TKreuz(tag, m_bild);
        k->setObjectName(kreuzName(tag));
        k->move(kasten.x() + 1, kasten.y() + 2);
        connect(k, &TKreuz::geklickt, this, &TFfrSysSchein::kreuzGeklickt);
        k->show();
        k->raise();
        m_kreuze.insert(tag, k);
    } else if (!gewollt && k) {
        m_kreuze.remove(tag);
        // A cross may be the sender of the click that removes it.
        k->hide();
        k->deleteLater();
    }
}

void TFfrSysSchein::anzeigen(const SystemFeldStand& stand, StandFarbe farbe) {
    for (int n = 1; n <= MaxZahl; ++n)
        kreuzSetzen(zahlTag(m_feld, n), ZahlKasten(n), stand.zahlen.enthaelt(n));
    for (int code = 1; code <= ScheinSystemAnzahl; ++code)
        kreuzSetzen(systemTag(m_feld, code), SystemKasten(code), stand.code == code);

    PStand->setText(QString::number(stand.anzahl));
    QPalette pal = palette();
    if (farbe == StandFarbe::Komplett)
        pal.setColor(QPalette::Window, QColor(0, 255, 0));
    else if (farbe == StandFarbe::Zuviel)
        pal.setColor(QPalette::Window, QColor(255, 91, 91));
    PStand->setPalette(pal);
}

} // namespace kb
