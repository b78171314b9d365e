#include "controller/FileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace nerka;

namespace {

class FileStoreTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QByteArray contents(const char* name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static QString failureOf(const std::variant<QByteArray, QString>& read) {
        const auto* text = std::get_if<QString>(&read);
        return text ? *text : QString();
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(FileStoreTest, ReadsStopAtTheLimitOfTheKind) {
    ASSERT_FALSE(FileStore::write(path("ok.gtm"), QByteArray(64, 'x')));
    const auto ok = FileStore::read(path("ok.gtm"), FileStore::Kind::theme);
    ASSERT_TRUE(std::holds_alternative<QByteArray>(ok));
    EXPECT_EQ(std::get<QByteArray>(ok).size(), 64);

    // A sparse file far above the limit is refused by its size, unread.
    QFile huge(path("huge.csv"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(FileStore::maxBytes(FileStore::Kind::dmrList) + 1));
    huge.close();
    EXPECT_EQ(failureOf(FileStore::read(path("huge.csv"), FileStore::Kind::dmrList)),
              QStringLiteral("Could not read ") + path("huge.csv") +
                  QStringLiteral(": it is larger than 64 MiB, the limit for a DMR ID list."));

    // A device without a size is read up to the limit and no further.
    EXPECT_EQ(failureOf(FileStore::read(QStringLiteral("/dev/zero"), FileStore::Kind::theme)),
              QStringLiteral("Could not read /dev/zero: it is larger than 64 KiB, the limit for "
                             "a .gtm theme."));
    EXPECT_EQ(failureOf(FileStore::read(dir.path(), FileStore::Kind::keps)),
              QStringLiteral("Could not read ") + dir.path() + QStringLiteral(": it is a folder."));
    EXPECT_TRUE(failureOf(FileStore::read(path("missing"), FileStore::Kind::codeplug))
                    .startsWith(QStringLiteral("Could not read ") + path("missing") +
                                QStringLiteral(": ")));
}

TEST_F(FileStoreTest, WritesReplaceRegularFilesAndLinkTargetsOnly) {
    ASSERT_FALSE(FileStore::write(path("a.bin"), "old"));
    ASSERT_FALSE(FileStore::write(path("a.bin"), "new"));
    EXPECT_EQ(contents("a.bin"), QByteArray("new"));

    ASSERT_TRUE(QFile::link(path("a.bin"), path("link.bin")));
    ASSERT_FALSE(FileStore::write(path("link.bin"), "through the link"));
    EXPECT_TRUE(QFileInfo(path("link.bin")).isSymLink());
    EXPECT_EQ(contents("a.bin"), QByteArray("through the link"));

    ASSERT_EQ(::mkfifo(path("fifo").toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(FileStore::write(path("fifo"), "x"),
              QStringLiteral("Could not save ") + path("fifo") +
                  QStringLiteral(": it is not a regular file (a device, pipe or socket)."));
    EXPECT_FALSE(QFileInfo(path("fifo")).isFile());
    EXPECT_EQ(FileStore::write(dir.path(), "x"),
              QStringLiteral("Could not save ") + dir.path() + QStringLiteral(": it is a folder."));
    EXPECT_TRUE(FileStore::write(path("missing/a.bin"), "x")
                    ->startsWith(QStringLiteral("Could not save ") + path("missing/a.bin")));
}

TEST_F(FileStoreTest, WriteAllReplacesEveryFileOrNone) {
    ASSERT_FALSE(FileStore::write(path("one"), "old one"));
    ASSERT_FALSE(FileStore::writeAll({{path("one"), "new one"}, {path("two"), "new two"}}));
    EXPECT_EQ(contents("one"), QByteArray("new one"));
    EXPECT_EQ(contents("two"), QByteArray("new two"));

    // The second cannot be written: the first keeps its old contents.
    EXPECT_TRUE(FileStore::writeAll({{path("one"), "newer"}, {path("no/two"), "newer"}}));
    EXPECT_EQ(contents("one"), QByteArray("new one"));

    // The same file twice, also by way of a link, is refused before anything is written.
    ASSERT_TRUE(QFile::link(path("one"), path("alias")));
    EXPECT_TRUE(FileStore::writeAll({{path("one"), "a"}, {path("alias"), "b"}}));
    EXPECT_TRUE(FileStore::writeAll({{path("three"), "a"}, {path("three"), "b"}}));
    EXPECT_EQ(contents("one"), QByteArray("new one"));
    EXPECT_FALSE(QFile::exists(path("three")));
    // No kept copies are left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 3);
}
