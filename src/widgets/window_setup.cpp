#include "window_setup.h"

#include "skin.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollArea>
#include <QStackedLayout>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>

namespace kb {

namespace {

// Widgets whose children are their own business (editors, list viewports, spin box fields).
bool inneresVerborgen(const QWidget* w) {
    if (qobject_cast<const QScrollArea*>(w))
        return false;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractScrollArea*>(w) ||
           qobject_cast<const QTabBar*>(w);
}

bool tabHalt(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy();
}

// Widgets placed by hand: rows first (a widget joins the current row when it starts above the
// middle of the row's lowest member so far), within a row left to right.
QList<QWidget*> nachLage(QList<QWidget*> kinder) {
    std::stable_sort(kinder.begin(), kinder.end(),
                     [](QWidget* a, QWidget* b) { return a->geometry().top() < b->geometry().top(); });
    QList<QWidget*> ergebnis;
    for (qsizetype i = 0; i < kinder.size();) {
        qsizetype j = i + 1;
        int mitte = kinder[i]->geometry().center().y();
        while (j < kinder.size() && kinder[j]->geometry().top() < mitte) {
            mitte = std::max(mitte, kinder[j]->geometry().center().y());
            ++j;
        }
        std::stable_sort(kinder.begin() + i, kinder.begin() + j,
                         [](QWidget* a, QWidget* b) { return a->geometry().left() < b->geometry().left(); });
        for (qsizetype k = i; k < j; ++k)
            ergebnis.append(kinder[k]);
        i = j;
    }
    return ergebnis;
}

// Widgets in a layout: in the layout's own order, which holds whether or not a page was ever
// laid out. Nested layouts are read whole where they stand.
void ausLayout(QLayout* l, QList<QWidget*>& aus) {
    struct Platz {
        int zeile, spalte;
        QLayoutItem* item;
    };
    QList<Platz> plaetze;
    if (auto* gitter = qobject_cast<QGridLayout*>(l)) {
        for (int i = 0; i < gitter->count(); ++i) {
            int z = 0, s = 0, zs = 0, ss = 0;
            gitter->getItemPosition(i, &z, &s, &zs, &ss);
            plaetze.append({z, s, gitter->itemAt(i)});
        }
        std::stable_sort(plaetze.begin(), plaetze.end(), [](const Platz& a, const Platz& b) {
            return a.zeile != b.zeile ? a.zeile < b.zeile : a.spalte < b.spalte;
        });
    } else if (auto* form = qobject_cast<QFormLayout*>(l)) {
        for (int z = 0; z < form->rowCount(); ++z)
            for (auto rolle : {QFormLayout::LabelRole, QFormLayout::FieldRole, QFormLayout::SpanningRole})
                if (QLayoutItem* item = form->itemAt(z, rolle))
                    plaetze.append({z, 0, item});
    } else {
        for (int i = 0; i < l->count(); ++i)
            plaetze.append({0, i, l->itemAt(i)});
        auto* box = qobject_cast<QBoxLayout*>(l);
        if (box && (box->direction() == QBoxLayout::RightToLeft || box->direction() == QBoxLayout::BottomToTop))
            std::reverse(plaetze.begin(), plaetze.end());
    }
    for (const Platz& p : plaetze) {
        if (QWidget* w = p.item->widget())
            aus.append(w);
        else if (QLayout* innen = p.item->layout())
            ausLayout(innen, aus);
    }
}

bool eigeneOrdnung(const QLayout* l) {
    return qobject_cast<const QBoxLayout*>(l) || qobject_cast<const QGridLayout*>(l) ||
           qobject_cast<const QFormLayout*>(l) || qobject_cast<const QStackedLayout*>(l);
}

QList<QWidget*> kinderInLesereihenfolge(QWidget* w) {
    if (auto* scroll = qobject_cast<QScrollArea*>(w))
        return scroll->widget() ? QList<QWidget*>{scroll->widget()} : QList<QWidget*>{};
    QList<QWidget*> kinder;
    for (QObject* o : w->children()) {
        auto* k = qobject_cast<QWidget*>(o);
        if (k && !k->isWindow())
            kinder.append(k);
    }
    QList<QWidget*> geordnet;
    if (QLayout* l = w->layout(); l && eigeneOrdnung(l)) {
        ausLayout(l, geordnet);
        geordnet.removeIf([&](QWidget* k) { return !kinder.contains(k); });
    }
    QList<QWidget*> rest;
    for (QWidget* k : kinder)
        if (!geordnet.contains(k))
            rest.append(k);
    return geordnet + nachLage(rest);
}

void sammeln(QWidget* w, QList<QWidget*>& aus) {
    for (QWidget* k : kinderInLesereihenfolge(w)) {
        if (tabHalt(k))
            aus.append(k);
        if (!inneresVerborgen(k))
            sammeln(k, aus);
    }
}

class FensterWaechter final : public QObject {
public:
    static constexpr const char* Name = "kbFensterWaechter";
    explicit FensterWaechter(QWidget* fenster) : QObject(fenster) {
        setObjectName(QLatin1String(Name));
        fenster->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* fenster = qobject_cast<QWidget*>(o);
        if (e->type() == QEvent::Show)
            tabReihenfolgeSetzen(fenster);
        // After the window's own show handling, and whenever its layout changes (controls
        // added later, such as a newly opened ticket's page), once the events have settled.
        if ((e->type() == QEvent::Show || e->type() == QEvent::LayoutRequest) && !m_geplant) {
            m_geplant = true;
            QTimer::singleShot(0, this, [this, fenster] {
                m_geplant = false;
                if (fenster->isVisible())
                    tabReihenfolgeSetzen(fenster);
            });
        }
        return QObject::eventFilter(o, e);
    }

private:
    bool m_geplant = false;
};

} // namespace

QList<QWidget*> lesereihenfolge(QWidget* fenster) {
    QList<QWidget*> aus;
    if (fenster)
        sammeln(fenster, aus);
    return aus;
}

void tabReihenfolgeSetzen(QWidget* fenster) {
    const QList<QWidget*> reihe = lesereihenfolge(fenster);
    for (qsizetype i = 1; i < reihe.size(); ++i)
        QWidget::setTabOrder(reihe[i - 1], reihe[i]);
}

void fensterEinrichten(QWidget* fenster, FensterArt art) {
    if (fenster->findChild<QObject*>(QLatin1String(FensterWaechter::Name), Qt::FindDirectChildrenOnly))
        return;
    new FensterWaechter(fenster);
    if (art == FensterArt::Dialog)
        skin::escapeSchliesst(fenster);
    if (fenster->isVisible())
        tabReihenfolgeSetzen(fenster);
}

} // namespace kb
