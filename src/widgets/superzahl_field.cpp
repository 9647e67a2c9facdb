#include "superzahl_field.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace kb {

namespace {

class NurZiffern final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            const auto* taste = static_cast<QKeyEvent*>(e);
            const QString text = taste->text();
            const bool ziffer =
                text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9');
            if (!text.isEmpty() && !ziffer && taste->key() != Qt::Key_Backspace &&
                taste->key() != Qt::Key_Tab && taste->key() != Qt::Key_Backtab) {
                QApplication::beep();
                return true;
            }
        }
        return QObject::eventFilter(objekt, e);
    }
};

} // namespace

QLineEdit* superzahlFeld(QWidget* eltern) {
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QStringLiteral("ESZ"));
    e->setMaxLength(1);
    e->setFixedWidth(28);
    e->setAlignment(Qt::AlignCenter);
    // The validator also keeps pasted text to one digit.
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]?")), e));
    e->installEventFilter(new NurZiffern(e));
    return e;
}

} // namespace kb
