#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace kb {

// Single-instance rule for every window: one place that knows which windows exist,
// creates the missing ones and brings the existing ones back.
class Fensterverwaltung : public QObject {
    Q_OBJECT
public:
    enum class Regel {
        NachVorn,           // restore, show, bring to front
        OhneNachVorn,       // restore and show, leave the stacking order
        MitSanduhrOhneNachVorn, // as OhneNachVorn, hourglass while the window is created
    };
    using Fabrik = std::function<QWidget*()>;

    explicit Fensterverwaltung(QObject* eltern = nullptr);

    // A window that can be created on demand under the component name.
    void registriere(const QString& name, Fabrik fabrik, Regel regel = Regel::NachVorn);
    // A window created elsewhere (the long-lived ones); tracked in creation order.
    void anmelden(QWidget* fenster);

    bool kannOeffnen(const QString& name) const;
    // The open window of that component name, searched from the newest backwards; case-sensitive.
    QWidget* fenster(const QString& name) const;
    bool FensterOffen(const QString& name) const { return fenster(name) != nullptr; }

    QStringList registrierteNamen() const;
    QList<QWidget*> alleFenster() const;

    // Opens by the single-instance rule; nullptr when no such window can exist.
    QWidget* oeffne(const QString& name);

Q_SIGNALS:
    void fensterErzeugt(QWidget* fenster);

private:
    struct Eintrag {
        Fabrik fabrik;
        Regel regel = Regel::NachVorn;
    };
    QHash<QString, Eintrag> m_eintraege;
    QList<QPointer<QWidget>> m_fenster;
};

} // namespace kb
