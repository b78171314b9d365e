#include "controller/CsvFileText.h"

#include "controller/FileStore.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace nerka {

CsvFileText readCsvText(const QString& path) {
    const auto read = FileStore::read(path, FileStore::Kind::channelCsv);
    if (const auto* failure = std::get_if<QString>(&read))
        return {{}, *failure};
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(std::get<QByteArray>(read));
    if (decoder.hasError())
        return {{},
                QCoreApplication::translate("FileStore",
                                            "The CSV file could not be read: %1 is not UTF-8 text.")
                    .arg(FileStore::displayName(path))};
    return {std::move(text), {}};
}

} // namespace nerka
