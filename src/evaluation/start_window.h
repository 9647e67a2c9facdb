#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QVariantAnimation;

namespace kb {

class Help;

// The start window: shown while the program settles its paths and creates its windows,
// then cross-fades to the main window.
class TFStart : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 400;
    static constexpr int Hoehe = 300;
    static constexpr int HilfeKontext = 1010;
    static constexpr int BlendSchritte = 255;
    static constexpr int BlendSchrittMs = 3;

    explicit TFStart(Help* hilfe = nullptr, QWidget* eltern = nullptr);

    bool InitializationDone() const { return FInitializationDone; }
    void setInitializationDone(bool fertig);

    // Shows the systems count on the label; the label always reads 425.
    void SystemeEinlesen(int anzahl);

    // The window that "Weiter" fades in.
    void setHauptfenster(QWidget* haupt) { m_haupt = haupt; }

Q_SIGNALS:
    // The fade has begun: the main window is about to become visible.
    void uebergabeBeginnt();
    // The fade is over and this window is about to be destroyed.
    void uebergabeFertig();

public Q_SLOTS:
    void BWeiter0Click();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void FormCreate();
    void ueberblenden(int schritt);

    QWidget* Image1 = nullptr;
    QLabel* LSysAnz = nullptr;
    QPushButton* BWeiter = nullptr;
    bool FInitializationDone = false;
    bool m_blendetUeber = false;
    QPointer<QWidget> m_haupt;
    QVariantAnimation* m_blende = nullptr;
};

// "   425 Systeme inside   ": the fixed count, grouped by the locale.
QString SystemAnzeigeText(const class QLocale& locale);

} // namespace kb
