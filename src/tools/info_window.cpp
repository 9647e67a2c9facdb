#include "info_window.h"

#include "core/program_state.h"
#include "widgets/icons.h"
#include "widgets/window_help.h"

#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

namespace kb {

QString TFInfo::mailAdresse() { return QStringLiteral("service@kugelblick.example"); }

TFInfo::TFInfo(Dienste& dienste, QWidget* eltern) : QWidget(eltern, Qt::Window), m_dienste(dienste) {
    setObjectName(QStringLiteral("FInfo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ProduktName);
    setFixedSize(ClientBreite, ClientHoehe);

    const auto label = [this](const QString& text, int x, int y, int b, int h) {
        auto* l = new QLabel(text, this);
        l->setGeometry(x, y, b, h);
        l->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        return l;
    };
    QLabel* version = label(QStringLiteral("Version ") + VersionText, 20, 96, 360, 22);
    version->setObjectName(QStringLiteral("LVersion"));
    version->setAlignment(Qt::AlignCenter);
    QFont f = version->font();
    f.setBold(true);
    version->setFont(f);

    const QStringList zeilen = {QStringLiteral("Kugelblick Software"), QStringLiteral("Lindenallee 49"),
                                QStringLiteral("12345 Musterstadt"),   mailAdresse(),
                                QStringLiteral("Telefon 01234 567890"), QStringLiteral("Fax 01234 567891")};
    for (int i = 0; i < zeilen.size(); ++i) {
        QLabel* z = label(zeilen[i], 120, 132 + i * 20, 260, 20);
        z->setObjectName(QStringLiteral("LKontakt%1").arg(i + 1));
        if (i == 3) {
            m_mail = z;
            z->setCursor(Qt::PointingHandCursor);
            z->setStyleSheet(QStringLiteral("color: #ffe27a; background: transparent; text-decoration: underline;"));
            z->setToolTip(QStringLiteral("E-Mail an den Service schreiben"));
            z->installEventFilter(this);
        }
    }

    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("BSchliessen"));
    schliessen->setGeometry(ClientBreite - 100, ClientHoehe - 38, 88, 28);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    hilfeAnbinden(this, dienste.hilfe, HilfeKontext);
}

bool TFInfo::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt == m_mail && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        const QUrl url(QStringLiteral("mailto:") + mailAdresse() + QStringLiteral("?subject=") + ProduktName);
        if (!m_dienste.shell->oeffneUrl(url))
            m_dienste.dialoge->information(
                this, QStringLiteral("Es ist kein E-Mail-Programm eingerichtet.\r\rSchreiben Sie bitte an ") +
                          mailAdresse() + QLatin1Char('.'));
        return true;
    }
    return QWidget::eventFilter(objekt, e);
}

void TFInfo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, width(), height());
    g.setColorAt(0, QColor(18, 52, 110));
    g.setColorAt(1, QColor(8, 22, 54));
    p.fillRect(rect(), g);
    const QColor farben[] = {QColor(220, 40, 40), QColor(245, 190, 20), QColor(40, 150, 70)};
    for (int i = 0; i < 3; ++i)
        kugelZeichnen(p, QRectF(26 + i * 22, 150 + (i % 2) * 36, 52, 52), 7 * (i + 1), farben[i]);
    QFont titel = font();
    titel.setPixelSize(36);
    titel.setBold(true);
    p.setFont(titel);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 28, width(), 56), Qt::AlignCenter, ProduktName);
}

} // namespace kb
