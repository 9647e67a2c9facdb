#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace kb::fuzz {

// Called once from LLVMFuzzerInitialize: Qt's warnings would flood the output and slow
// every run; fatal messages still abort.
void Vorbereiten();

inline QByteArray Bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// Writes the input to this process's scratch file `name` and returns its path, for readers
// that only take a path (the program reads these files from disk, too).
QString AlsDatei(const QByteArray& daten, const QString& name);

// The locale the program runs with for its German users.
const QLocale& Deutsch();

} // namespace kb::fuzz
