#pragma once

#include "core/result.h"

#include <QLocale>
#include <QString>

namespace kb {

// Largest n the calculator shows; the coefficient then has up to 300 digits.
inline constexpr int NueberKMaxN = 1000;

// Exact decimal digits of n over k (arbitrary length), 0 <= k <= n.
QString BinomialDezimal(int n, int k);

// What the n-over-k window shows for the two field texts: the grouped result, or the
// German message that refuses the input. Empty or unreadable text counts as 0.
Result<QString> NueberKBerechnen(const QString& nText, const QString& kText, const QLocale& locale);

} // namespace kb
