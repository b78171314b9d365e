#include "codeplug/FieldText.h"

#include <QCoreApplication>

namespace nerka {

QString fieldDisplayText(const QString& sourceText) {
    if (sourceText.isEmpty())
        return sourceText;
    return QCoreApplication::translate(kFieldTextContext, sourceText.toUtf8().constData());
}

QStringList fieldDisplayTexts(const QStringList& sourceTexts) {
    QStringList shown;
    shown.reserve(sourceTexts.size());
    for (const QString& text : sourceTexts)
        shown.append(fieldDisplayText(text));
    return shown;
}

} // namespace nerka
