#pragma once

// Readable GoogleTest failure messages for Qt values. Included into every test
// source by the build (see tests/CMakeLists.txt), so the printers are always
// visible where an assertion is instantiated.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << "QByteArray(" << bytes.size()
        << " bytes: " << bytes.toHex(' ').left(3 * 64).toStdString()
        << (bytes.size() > 64 ? " …)" : ")");
}

inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '[';
    for (qsizetype i = 0; i < list.size(); ++i)
        *os << (i ? ", " : "") << '"' << list[i].toStdString() << '"';
    *os << ']';
}
