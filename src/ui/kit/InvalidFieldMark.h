#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace nerka {

// Marks the one field whose input is invalid: a reddish ground, mixed into
// the theme's own so dark themes stay legible, and the reason after the
// field's own accessible description, so a screen reader says what is wrong
// where the user is. Marking another field (or none) puts the previous one
// back as it was.
class InvalidFieldMark {
public:
    // `field` may be nullptr: then nothing is marked.
    void mark(QWidget* field, const QString& reason);
    [[nodiscard]] QWidget* field() const { return m_marked; }

private:
    QPointer<QWidget> m_marked;
    QString m_markedDescription; // the marked field's own description
};

} // namespace nerka
