#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTreeWidget>

namespace nerka {

// One group of a change list: its title ("Channels (3)") and its lines.
struct ChangeListSection {
    QString title;
    QStringList lines;
};

// A change list grouped by kind: each group a bold heading with its lines
// below, all expanded. Long lines wrap; the view scrolls rather than grows,
// and it is tall enough for 20 lines when its window lets it be.
class ChangeListView : public QTreeWidget {
    Q_OBJECT

public:
    ChangeListView(const QString& accessibleName, QWidget* parent = nullptr);

    void setSections(const QList<ChangeListSection>& sections);
    // Every line, headings included, in the order shown (for tests and copying).
    [[nodiscard]] QStringList shownLines() const;

    [[nodiscard]] QSize sizeHint() const override;
};

} // namespace nerka
