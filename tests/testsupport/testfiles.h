#pragma once

#include <QByteArray>
#include <QFile>
#include <QTest>

// Writes a file a test needs (a settings or language file), failing the test when it cannot.
inline void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}
