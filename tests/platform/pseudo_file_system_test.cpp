// Tests of telling the kernel's pseudo file systems from folders that hold documents.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/pseudo_file_system.h"

TEST(PseudoFileSystem, ProcSysAndDevAreSeenAsSuchAndDocumentFoldersAreNot)
{
    for (const char* path : {"/proc", "/proc/self/status", "/sys", "/sys/kernel", "/dev", "/dev/null"})
        EXPECT_TRUE(tavi::IsOnPseudoFileSystem(QString::fromLatin1(path))) << path;
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    for (const QString& path :
         {QDir::homePath(), temp.path(), temp.filePath("missing.css"), QStringLiteral("/procfiles"), QString()})
        EXPECT_FALSE(tavi::IsOnPseudoFileSystem(path)) << path.toStdString();
}
