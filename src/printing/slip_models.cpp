#include "slip_models.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include <cmath>

namespace kb {

ZiffernFilter::ZiffernFilter(QObject* eltern, bool minus, bool tab)
    : QObject(eltern), m_minus(minus), m_tab(tab) {}

bool ZiffernFilter::eventFilter(QObject* objekt, QEvent* e) {
    if (e->type() != QEvent::KeyPress)
        return QObject::eventFilter(objekt, e);
    const auto* taste = static_cast<QKeyEvent*>(e);
    const int k = taste->key();
    if (k == Qt::Key_Backspace || ((k == Qt::Key_Tab || k == Qt::Key_Backtab) && m_tab))
        return false;
    const QString text = taste->text();
    // Keys without text (arrows, Delete, Enter) keep their usual meaning.
    if (text.isEmpty() || k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape ||
        k == Qt::Key_Delete)
        return false;
    const QChar c = text.at(0);
    if (text.size() == 1 && (c.isDigit() || (m_minus && c == QLatin1Char('-'))) && c.unicode() < 128)
        return false;
    QApplication::beep();
    return true;
}

void ZellMaler::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (index.column() == 0) {
        QStyledItemDelegate::paint(p, option, index);
        return;
    }
    const QRect r = option.rect;
    p->save();
    p->fillRect(r, Qt::white);
    if (option.state & QStyle::State_HasFocus)
        p->fillRect(r.adjusted(1, 1, -1, -1), option.palette.color(QPalette::Highlight).lighter(170));
    QFont f = option.font;
    f.setBold(false);
    p->setFont(f);
    p->setPen(Qt::black);
    const QString text = index.data().toString();
    const QFontMetrics fm(f);
    const int links = r.left() + (r.width() - fm.horizontalAdvance(text)) / 2;
    p->drawText(QPoint(links, r.top() + 2 + fm.ascent()), text);
    p->restore();
}

QWidget* ZellMaler::createEditor(QWidget* eltern, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QWidget* w = QStyledItemDelegate::createEditor(eltern, option, index);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setAlignment(Qt::AlignCenter);
        e->installEventFilter(new ZiffernFilter(e));
    }
    return w;
}

FeldtabellenModell::FeldtabellenModell(Scheingeometrie& geometrie, int feld, QObject* eltern)
    : QAbstractTableModel(eltern), m_geometrie(geometrie), m_feld(feld) {
    connect(&m_geometrie, &Scheingeometrie::felderGeaendert, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int FeldtabellenModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : FeldZeilen;
}
int FeldtabellenModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : 3;
}

QVariant FeldtabellenModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= FeldZeilen || index.column() >= 3)
        return {};
    if (rolle == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (rolle == Qt::BackgroundRole && index.column() == 0)
        return QApplication::palette().color(QPalette::Button);
    if (rolle == Qt::ForegroundRole && index.column() == 0)
        return QApplication::palette().color(QPalette::ButtonText);
    if (rolle != Qt::DisplayRole && rolle != Qt::EditRole)
        return {};
    const XY& z = m_geometrie.felder()[m_feld][index.row()];
    switch (index.column()) {
    case 0:
        return QString::number(7 * index.row() + 1);
    case 1:
        return z.x;
    default:
        return z.y;
    }
}

QVariant FeldtabellenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole || abschnitt < 0 || abschnitt >= 3)
        return {};
    static const QStringList kopf{QStringLiteral("Zahl"), QStringLiteral("  X"), QStringLiteral("  Y")};
    return kopf.at(abschnitt);
}

Qt::ItemFlags FeldtabellenModell::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() > 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool FeldtabellenModell::setData(const QModelIndex& index, const QVariant& wert, int rolle) {
    if (!index.isValid() || rolle != Qt::EditRole || index.column() == 0 || index.column() >= 3)
        return false;
    m_geometrie.setzeFeldZelle(m_feld, index.row(), index.column() - 1, wert.toString().trimmed());
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

AWerteModell::AWerteModell(Scheingeometrie& geometrie, QObject* eltern)
    : QAbstractTableModel(eltern), m_geometrie(geometrie) {
    connect(&m_geometrie, &Scheingeometrie::aWerteGeaendert, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int AWerteModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : 49;
}
int AWerteModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : 37;
}

QVariant AWerteModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= 49 || index.column() >= 37)
        return {};
    if (rolle == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (rolle == Qt::BackgroundRole && index.column() == 0)
        return QApplication::palette().color(QPalette::Button);
    if (rolle == Qt::ForegroundRole && index.column() == 0)
        return QApplication::palette().color(QPalette::ButtonText);
    if (rolle != Qt::DisplayRole && rolle != Qt::EditRole)
        return {};
    if (index.column() == 0)
        return QString::number(index.row() + 1);
    const XY& z = m_geometrie.aWerte()[(index.column() - 1) / 2][index.row()];
    return index.column() % 2 == 1 ? z.x : z.y;
}

QVariant AWerteModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole || abschnitt < 0 || abschnitt >= 37)
        return {};
    if (abschnitt == 0)
        return QStringLiteral("Zahl");
    return abschnitt % 2 == 1 ? QStringLiteral("   x") : QStringLiteral("   y");
}

Qt::ItemFlags AWerteModell::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() > 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool AWerteModell::setData(const QModelIndex& index, const QVariant& wert, int rolle) {
    if (!index.isValid() || rolle != Qt::EditRole || index.column() == 0 || index.column() >= 37)
        return false;
    m_geometrie.setzeAWert((index.column() - 1) / 2, index.row(), (index.column() - 1) % 2,
                           wert.toString().trimmed());
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

} // namespace kb
