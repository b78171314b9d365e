#include "ui/kit/InvalidFieldMark.h"

#include <QColor>
#include <QPalette>

namespace nerka {

void InvalidFieldMark::mark(QWidget* field, const QString& reason) {
    if (m_marked && m_marked != field) {
        m_marked->setPalette(QPalette());
        m_marked->setAccessibleDescription(m_markedDescription);
    }
    if (field && field != m_marked)
        m_markedDescription = field->accessibleDescription();
    m_marked = field;
    if (!field)
        return;
    QPalette palette = field->palette();
    const QColor base = palette.color(QPalette::Base);
    const QColor red(220, 40, 40);
    palette.setColor(QPalette::Base,
                     QColor((base.red() * 3 + red.red()) / 4, (base.green() * 3 + red.green()) / 4,
                            (base.blue() * 3 + red.blue()) / 4));
    field->setPalette(palette);
    field->setAccessibleDescription(m_markedDescription.isEmpty()
                                        ? reason
                                        : m_markedDescription + QStringLiteral(" — ") + reason);
}

} // namespace nerka
