#include "skin.h"

#include "icons.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QShortcut>
#include <QStyleFactory>

namespace kb::skin {

QPalette palette() {
    using namespace farbe;
    QPalette p;
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool aus = g == QPalette::Disabled;
        p.setColor(g, QPalette::Window, Fenster);
        p.setColor(g, QPalette::WindowText, aus ? SchriftGrau : Schrift);
        p.setColor(g, QPalette::Base, aus ? Fenster : Feld);
        p.setColor(g, QPalette::AlternateBase, Kopf);
        p.setColor(g, QPalette::Text, aus ? SchriftGrau : Schrift);
        p.setColor(g, QPalette::PlaceholderText, SchriftGrau);
        p.setColor(g, QPalette::Button, Flaeche);
        p.setColor(g, QPalette::ButtonText, aus ? SchriftGrau : Schrift);
        p.setColor(g, QPalette::BrightText, Weiss);
        p.setColor(g, QPalette::Light, Weiss);
        p.setColor(g, QPalette::Midlight, Flaeche.lighter(106));
        p.setColor(g, QPalette::Mid, Rahmen);
        p.setColor(g, QPalette::Dark, Rahmen.darker(130));
        p.setColor(g, QPalette::Shadow, QColor(60, 70, 80));
        p.setColor(g, QPalette::Highlight, aus ? Rahmen : Akzent);
        p.setColor(g, QPalette::HighlightedText, AkzentSchrift);
        p.setColor(g, QPalette::Link, Verweis);
        p.setColor(g, QPalette::LinkVisited, Verweis.darker(120));
        p.setColor(g, QPalette::ToolTipBase, QColor(255, 252, 220));
        p.setColor(g, QPalette::ToolTipText, Schrift);
    }
    return p;
}

QString programmIconPfad() {
    return QStringLiteral(":/kugelblick/icons/kugelblick.svg");
}

QIcon programmIcon() {
    return symbolIcon(programmIconPfad());
}

void anwenden(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setPalette(palette());
    QFont schrift = QApplication::font();
    schrift.setPointSize(Punkte);
    QApplication::setFont(schrift);
    app.setWindowIcon(programmIcon());
}

QColor schriftAuf(const QColor& hintergrund) {
    // Relative luminance after ITU-R BT.709; the threshold keeps mid tones with black text.
    const double l = 0.2126 * hintergrund.redF() + 0.7152 * hintergrund.greenF() + 0.0722 * hintergrund.blueF();
    return l < 0.45 ? farbe::Weiss : farbe::Schwarz;
}

void flaeche(QWidget* w, const QColor& hintergrund) {
    const QColor hg = hintergrund.isValid() ? hintergrund : farbe::Flaeche;
    QPalette p = w->palette();
    p.setColor(QPalette::Window, hg);
    p.setColor(QPalette::WindowText, schriftAuf(hg));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void zahlKachel(QLabel* l) {
    QPalette p = l->palette();
    p.setColor(QPalette::Window, farbe::TealDunkel);
    p.setColor(QPalette::WindowText, farbe::TealSchrift);
    l->setPalette(p);
    l->setAutoFillBackground(true);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setPointSize(8);
    l->setFont(f);
}

void rahmenLabel(QLabel* l) {
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    fett(l);
    flaeche(l, {});
}

void fett(QWidget* w, int punkte) {
    QFont f = w->font();
    f.setBold(true);
    if (punkte > 0)
        f.setPointSize(punkte);
    w->setFont(f);
}

namespace {
void schriftFarbe(QLabel* l, const QColor& c) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Window, farbe::Fenster);
    l->setPalette(p);
    fett(l);
}
} // namespace

void warnHinweis(QLabel* l) {
    schriftFarbe(l, farbe::Warnung);
}

void blauerHinweis(QLabel* l) {
    schriftFarbe(l, farbe::Hinweis);
}

QFont zellenSchrift(const QFont& basis) {
    QFont f = basis;
    f.setBold(true);
    return f;
}

void escapeSchliesst(QWidget* fenster) {
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), fenster);
    esc->setObjectName(QStringLiteral("EscapeSchliesst"));
    esc->setContext(Qt::WindowShortcut);
    QObject::connect(esc, &QShortcut::activated, fenster, &QWidget::close);
}

} // namespace kb::skin
